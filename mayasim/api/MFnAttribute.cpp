#include <maya/MFnAttribute.h>

#include <maya/MFn.h>
#include <maya/MFnBase.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include "api/AttributeFnSupport.h"

using mayasim::AttrDraft;
using namespace mayasim::attrfn;  // NOLINT(google-build-using-namespace): the sets' shared helpers

MFnAttribute::MFnAttribute() = default;
MFnAttribute::MFnAttribute(MObject& object, MStatus* ReturnStatus) {
  mayasim::setStatus(ReturnStatus, setObject(object));
}
MFnAttribute::MFnAttribute(const MObject& object, MStatus* ReturnStatus) {
  mayasim::setStatus(ReturnStatus, setObject(object));
}
MFnAttribute::~MFnAttribute() = default;

MFn::Type MFnAttribute::type() const { return MFn::kAttribute; }
const char* MFnAttribute::className() { return "MFnAttribute"; }

MString MFnAttribute::name(MStatus* ReturnStatus) const {
  return readDecl(*this, ReturnStatus, MString(),
                  [](const scene::AttrDecl& s, AttrDraft*) { return mayasim::mstr(s.longName); });
}

MString MFnAttribute::shortName(MStatus* ReturnStatus) const {
  return readDecl(*this, ReturnStatus, MString(),
                  [](const scene::AttrDecl& s, AttrDraft*) { return mayasim::mstr(s.shortName); });
}

#define MAYASIM_ATTRIBUTE_FLAG(getter, field)                                      \
  bool MFnAttribute::getter(MStatus* ReturnStatus) const {                         \
    return readDecl(*this, ReturnStatus, false,                                    \
                    [](const scene::AttrDecl& s, AttrDraft*) { return s.field; }); \
  }
MAYASIM_ATTRIBUTE_FLAG(isReadable, readable)
MAYASIM_ATTRIBUTE_FLAG(isWritable, writable)
MAYASIM_ATTRIBUTE_FLAG(isConnectable, connectable)
MAYASIM_ATTRIBUTE_FLAG(isStorable, storable)
MAYASIM_ATTRIBUTE_FLAG(isKeyable, keyable)
MAYASIM_ATTRIBUTE_FLAG(isHidden, hidden)
#undef MAYASIM_ATTRIBUTE_FLAG

// Registered attributes were cached, single and off the channel box unless
// their function set said otherwise before registration.
bool MFnAttribute::isCached(MStatus* ReturnStatus) const {
  return readDecl(*this, ReturnStatus, false,
                  [](const scene::AttrDecl&, AttrDraft* d) { return d ? d->cached : true; });
}

bool MFnAttribute::isArray(MStatus* ReturnStatus) const {
  return readDecl(*this, ReturnStatus, false,
                  [](const scene::AttrDecl&, AttrDraft* d) { return d ? d->array : false; });
}

bool MFnAttribute::isChannelBoxFlagSet(MStatus* ReturnStatus) const {
  return readDecl(*this, ReturnStatus, false,
                  [](const scene::AttrDecl&, AttrDraft* d) { return d ? d->channelBox : false; });
}

MStatus MFnAttribute::setReadable(bool state) {
  return editDraft(*this, [&](AttrDraft& d) { d.readable = state; });
}
MStatus MFnAttribute::setWritable(bool state) {
  return editDraft(*this, [&](AttrDraft& d) { d.writable = state; });
}
MStatus MFnAttribute::setConnectable(bool state) {
  return editDraft(*this, [&](AttrDraft& d) { d.connectable = state; });
}
MStatus MFnAttribute::setStorable(bool state) {
  return editDraft(*this, [&](AttrDraft& d) { d.storable = state; });
}
MStatus MFnAttribute::setCached(bool state) {
  return editDraft(*this, [&](AttrDraft& d) { d.cached = state; });
}
MStatus MFnAttribute::setKeyable(bool state) {
  return editDraft(*this, [&](AttrDraft& d) { d.keyable = state; });
}
MStatus MFnAttribute::setHidden(bool state) {
  return editDraft(*this, [&](AttrDraft& d) { d.hidden = state; });
}
MStatus MFnAttribute::setChannelBox(bool state) {
  return editDraft(*this, [&](AttrDraft& d) { d.channelBox = state; });
}

// The scene has no multi (array) attributes.
MStatus MFnAttribute::setArray(bool state) {
  if (state) return draftOf(*this) ? MS::kNotImplemented : MS::kFailure;
  return editDraft(*this, [](AttrDraft& d) { d.array = false; });
}

MStatus MFnAttribute::setDisconnectBehavior(DisconnectBehavior behavior) {
  return editDraft(*this, [&](AttrDraft& d) { d.disconnectBehavior = behavior; });
}

MFnAttribute::DisconnectBehavior MFnAttribute::disconnectBehavior(MStatus* ReturnStatus) const {
  return readDecl(*this, ReturnStatus, kNothing, [](const scene::AttrDecl&, AttrDraft* d) {
    return d ? static_cast<DisconnectBehavior>(d->disconnectBehavior) : kNothing;
  });
}
