// The attribute function sets: MFnAttribute, MFnNumericAttribute,
// MFnUnitAttribute, MFnTypedAttribute.
//
// create() makes an AttrDraft owned by the returned MObject and attaches the
// function set to it; the setters then edit that draft. An attribute of a
// registered type (found through MFnDependencyNode::attribute, say) can be
// read but not changed: its setters give kFailure.
#include <maya/MAngle.h>
#include <maya/MDistance.h>
#include <maya/MFn.h>
#include <maya/MFnAttribute.h>
#include <maya/MFnBase.h>
#include <maya/MFnData.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnNumericData.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MFnUnitAttribute.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <cmath>
#include <initializer_list>
#include <optional>

#include "api/ObjectAccess.h"
#include "api/PluginNodeTypes.h"
#include "api/ReturnStatus.h"

using mayasim::AttrDraft;
using mayasim::ObjectAccess;
using scene::AttrType;

namespace mayasim {

namespace {

// Marks the owners made here, so attrDraft() knows what it may cast.
struct DraftDeleter {
  void operator()(AttrDraft* draft) const { delete draft; }
};

}  // namespace

MObject makeAttrDraft(AttrDraft draft) {
  auto* owned = new AttrDraft(std::move(draft));
  std::shared_ptr<void> owner(owned, DraftDeleter{});
  return ObjectAccess::makeAttribute(owned, std::move(owner));
}

AttrDraft* attrDraft(const MObject& attr) {
  const std::shared_ptr<void>& owner = ObjectAccess::attrOwner(attr);
  if (!owner || !std::get_deleter<DraftDeleter>(owner)) return nullptr;
  return static_cast<AttrDraft*>(owner.get());
}

}  // namespace mayasim

namespace {

const scene::AttrDecl* declOf(const MFnBase& fn) {
  return ObjectAccess::attrDecl(ObjectAccess::fnObject(fn));
}

AttrDraft* draftOf(const MFnBase& fn) { return mayasim::attrDraft(ObjectAccess::fnObject(fn)); }

// Reads one property of the attached attribute; `fallback` and kFailure when
// nothing is attached.
template <typename T, typename Get>
T readDecl(const MFnBase& fn, MStatus* status, T fallback, Get get) {
  const scene::AttrDecl* decl = declOf(fn);
  mayasim::setStatus(status, decl ? MS::kSuccess : MS::kFailure);
  return decl ? get(*decl, mayasim::attrDraft(ObjectAccess::fnObject(fn))) : fallback;
}

// Applies `edit` to the attached draft and, for a compound, to its children.
template <typename Edit>
MStatus editDraft(MFnBase& fn, Edit edit) {
  AttrDraft* draft = draftOf(fn);
  if (!draft) return MS::kFailure;
  edit(*draft);
  for (const MObject& child : draft->children) {
    if (AttrDraft* c = mayasim::attrDraft(child)) edit(*c);
  }
  return MS::kSuccess;
}

// Makes a draft with the given names, attaches `fn` to it and returns it.
MObject createDraft(MFnBase& fn, AttrDraft draft, const MString& fullName, const MString& briefName,
                    MStatus* status) {
  draft.longName = mayasim::str(fullName);
  draft.shortName = briefName.length() ? mayasim::str(briefName) : draft.longName;
  if (draft.longName.empty()) {
    mayasim::setStatus(status, MS::kInvalidParameter);
    return MObject();
  }
  MObject attr = mayasim::makeAttrDraft(std::move(draft));
  ObjectAccess::setFnObject(fn, attr);
  mayasim::setStatus(status, MS::kSuccess);
  return attr;
}

MObject refuse(MStatus* status, MStatus why) {
  mayasim::setStatus(status, why);
  return MObject();
}

// A number as the attribute's type stores it: bools are 0 or 1, integers whole.
double normalized(AttrType type, double value) {
  switch (type) {
    case AttrType::Bool:
      return value != 0.0 ? 1.0 : 0.0;
    case AttrType::Long:
      return std::round(value);
    default:
      return value;
  }
}

MStatus setDefaultNumber(MFnBase& fn, double value) {
  return editDraft(fn, [&](AttrDraft& d) { d.defaultValue = normalized(d.type, value); });
}

}  // namespace

// ============================================================= MFnAttribute

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

// ====================================================== MFnNumericAttribute

namespace {

std::optional<AttrType> numericAttrType(MFnNumericData::Type type) {
  switch (type) {
    case MFnNumericData::kBoolean:
      return AttrType::Bool;
    case MFnNumericData::kByte:
    case MFnNumericData::kChar:
    case MFnNumericData::kShort:
    case MFnNumericData::kLong:
    case MFnNumericData::kInt64:
      return AttrType::Long;
    case MFnNumericData::kFloat:
      return AttrType::Float;
    case MFnNumericData::kDouble:
      return AttrType::Double;
    default:
      return std::nullopt;  // multi-value and address data: not in this host
  }
}

MFnNumericData::Type numericTypeOf(const scene::AttrDecl& s, const AttrDraft* d) {
  if (d && (d->kind == AttrDraft::Kind::Numeric || d->kind == AttrDraft::Kind::Compound))
    return static_cast<MFnNumericData::Type>(d->numericType);
  switch (s.type) {
    case AttrType::Bool:
      return MFnNumericData::kBoolean;
    case AttrType::Long:
      return MFnNumericData::kLong;
    case AttrType::Float:
      return MFnNumericData::kFloat;
    case AttrType::Double:
      return MFnNumericData::kDouble;
    case AttrType::Double3:
      return MFnNumericData::k3Double;
    default:
      return MFnNumericData::kInvalid;
  }
}

// The three-value numeric type of a compound whose children are `child`.
MFnNumericData::Type tripleOf(AttrType child) {
  switch (child) {
    case AttrType::Float:
      return MFnNumericData::k3Float;
    case AttrType::Long:
    case AttrType::Bool:
      return MFnNumericData::k3Long;
    default:
      return MFnNumericData::k3Double;
  }
}

MStatus setLimit(MFnBase& fn, std::optional<double> AttrDraft::*limit, double value) {
  return editDraft(fn, [&](AttrDraft& d) {
    if (scene::isNumeric(d.type)) d.*limit = normalized(d.type, value);
  });
}

MStatus setUiLimit(MFnBase& fn, std::optional<double> AttrDraft::*limit, double value) {
  return editDraft(fn, [&](AttrDraft& d) { d.*limit = value; });
}

}  // namespace

MFnNumericAttribute::MFnNumericAttribute() = default;
MFnNumericAttribute::MFnNumericAttribute(MObject& object, MStatus* ReturnStatus) {
  mayasim::setStatus(ReturnStatus, setObject(object));
}
MFnNumericAttribute::MFnNumericAttribute(const MObject& object, MStatus* ReturnStatus) {
  mayasim::setStatus(ReturnStatus, setObject(object));
}
MFnNumericAttribute::~MFnNumericAttribute() = default;

MFn::Type MFnNumericAttribute::type() const { return MFn::kNumericAttribute; }
const char* MFnNumericAttribute::className() { return "MFnNumericAttribute"; }

MObject MFnNumericAttribute::create(const MString& fullName, const MString& briefName,
                                    MFnNumericData::Type unitType, double defaultValue,
                                    MStatus* ReturnStatus) {
  const std::optional<AttrType> type = numericAttrType(unitType);
  if (!type) return refuse(ReturnStatus, MS::kNotImplemented);
  AttrDraft draft;
  draft.kind = AttrDraft::Kind::Numeric;
  draft.numericType = unitType;
  draft.type = *type;
  draft.defaultValue = normalized(*type, defaultValue);
  return createDraft(*this, std::move(draft), fullName, briefName, ReturnStatus);
}

MObject MFnNumericAttribute::create(const MString& fullName, const MString& briefName,
                                    const MObject& child1, const MObject& child2,
                                    const MObject& child3, MStatus* ReturnStatus) {
  // The scene's compounds have exactly three single-number children.
  AttrDraft draft;
  draft.kind = AttrDraft::Kind::Compound;
  draft.type = AttrType::Double3;
  for (const MObject* child : {&child1, &child2, &child3}) {
    const AttrDraft* c = mayasim::attrDraft(*child);
    if (!c || !scene::isNumeric(c->type)) return refuse(ReturnStatus, MS::kInvalidParameter);
    draft.childNames.push_back(c->longName);
    draft.children.push_back(*child);
  }
  draft.numericType = tripleOf(mayasim::attrDraft(child1)->type);
  return createDraft(*this, std::move(draft), fullName, briefName, ReturnStatus);
}

MFnNumericData::Type MFnNumericAttribute::unitType(MStatus* ReturnStatus) const {
  return readDecl(*this, ReturnStatus, MFnNumericData::kInvalid, numericTypeOf);
}

MStatus MFnNumericAttribute::setMin(double min) { return setLimit(*this, &AttrDraft::min, min); }
MStatus MFnNumericAttribute::setMax(double max) { return setLimit(*this, &AttrDraft::max, max); }
MStatus MFnNumericAttribute::setSoftMin(double min) {
  return setUiLimit(*this, &AttrDraft::softMin, min);
}
MStatus MFnNumericAttribute::setSoftMax(double max) {
  return setUiLimit(*this, &AttrDraft::softMax, max);
}

bool MFnNumericAttribute::hasMin(MStatus* ReturnStatus) const {
  return readDecl(*this, ReturnStatus, false,
                  [](const scene::AttrDecl& s, AttrDraft*) { return s.min.has_value(); });
}

bool MFnNumericAttribute::hasMax(MStatus* ReturnStatus) const {
  return readDecl(*this, ReturnStatus, false,
                  [](const scene::AttrDecl& s, AttrDraft*) { return s.max.has_value(); });
}

MStatus MFnNumericAttribute::getMin(double& min) const {
  const scene::AttrDecl* decl = declOf(*this);
  if (!decl || !decl->min) return MS::kFailure;
  min = *decl->min;
  return MS::kSuccess;
}

MStatus MFnNumericAttribute::getMax(double& max) const {
  const scene::AttrDecl* decl = declOf(*this);
  if (!decl || !decl->max) return MS::kFailure;
  max = *decl->max;
  return MS::kSuccess;
}

MStatus MFnNumericAttribute::setDefault(bool value) {
  return setDefaultNumber(*this, value ? 1.0 : 0.0);
}
MStatus MFnNumericAttribute::setDefault(char value) { return setDefaultNumber(*this, value); }
MStatus MFnNumericAttribute::setDefault(int value) { return setDefaultNumber(*this, value); }
MStatus MFnNumericAttribute::setDefault(MInt64 value) {
  return setDefaultNumber(*this, static_cast<double>(value));
}
MStatus MFnNumericAttribute::setDefault(float value) { return setDefaultNumber(*this, value); }
MStatus MFnNumericAttribute::setDefault(double value) { return setDefaultNumber(*this, value); }

MStatus MFnNumericAttribute::getDefault(double& value) {
  const scene::AttrDecl* decl = declOf(*this);
  if (!decl || !scene::isNumeric(decl->type)) return MS::kFailure;
  value = decl->defaultValue;
  return MS::kSuccess;
}

// ========================================================= MFnUnitAttribute

namespace {

// kFailure when nothing is attached, kInvalidParameter when the attribute
// holds another kind of unit.
MStatus setUnitValue(MFnBase& fn, AttrType expected, std::optional<double> AttrDraft::*field,
                     double internalValue) {
  const AttrDraft* draft = draftOf(fn);
  if (!draft) return MS::kFailure;
  if (draft->type != expected) return MS::kInvalidParameter;
  return setLimit(fn, field, internalValue);
}

MStatus setUnitDefault(MFnBase& fn, AttrType expected, double internalValue) {
  const AttrDraft* draft = draftOf(fn);
  if (!draft) return MS::kFailure;
  if (draft->type != expected) return MS::kInvalidParameter;
  return setDefaultNumber(fn, internalValue);
}

}  // namespace

MFnUnitAttribute::MFnUnitAttribute() = default;
MFnUnitAttribute::MFnUnitAttribute(MObject& object, MStatus* ReturnStatus) {
  mayasim::setStatus(ReturnStatus, setObject(object));
}
MFnUnitAttribute::MFnUnitAttribute(const MObject& object, MStatus* ReturnStatus) {
  mayasim::setStatus(ReturnStatus, setObject(object));
}
MFnUnitAttribute::~MFnUnitAttribute() = default;

MFn::Type MFnUnitAttribute::type() const { return MFn::kUnitAttribute; }
const char* MFnUnitAttribute::className() { return "MFnUnitAttribute"; }

MObject MFnUnitAttribute::create(const MString& fullName, const MString& briefName,
                                 MFnUnitAttribute::Type unitType, double defaultValue,
                                 MStatus* ReturnStatus) {
  AttrDraft draft;
  draft.kind = AttrDraft::Kind::Unit;
  draft.unitType = unitType;
  switch (unitType) {
    case kAngle:
      draft.type = AttrType::Angle;
      break;
    case kDistance:
      draft.type = AttrType::Distance;
      break;
    case kTime:
      return refuse(ReturnStatus, MS::kNotImplemented);  // no time in this host
    default:
      return refuse(ReturnStatus, MS::kInvalidParameter);
  }
  draft.defaultValue = defaultValue;
  return createDraft(*this, std::move(draft), fullName, briefName, ReturnStatus);
}

MObject MFnUnitAttribute::create(const MString& fullName, const MString& briefName,
                                 const MAngle& defaultValue, MStatus* ReturnStatus) {
  return create(fullName, briefName, kAngle, defaultValue.asRadians(), ReturnStatus);
}

MObject MFnUnitAttribute::create(const MString& fullName, const MString& briefName,
                                 const MDistance& defaultValue, MStatus* ReturnStatus) {
  return create(fullName, briefName, kDistance, defaultValue.asCentimeters(), ReturnStatus);
}

MFnUnitAttribute::Type MFnUnitAttribute::unitType(MStatus* ReturnStatus) const {
  return readDecl(*this, ReturnStatus, kInvalid, [](const scene::AttrDecl& s, AttrDraft*) {
    switch (s.type) {
      case AttrType::Angle:
        return kAngle;
      case AttrType::Distance:
        return kDistance;
      default:
        return kInvalid;
    }
  });
}

// Plain doubles are in internal units, whichever kind of unit the attribute has.
MStatus MFnUnitAttribute::setMin(double minValue) {
  return setLimit(*this, &AttrDraft::min, minValue);
}
MStatus MFnUnitAttribute::setMax(double maxValue) {
  return setLimit(*this, &AttrDraft::max, maxValue);
}
MStatus MFnUnitAttribute::setSoftMin(double minValue) {
  return setUiLimit(*this, &AttrDraft::softMin, minValue);
}
MStatus MFnUnitAttribute::setSoftMax(double maxValue) {
  return setUiLimit(*this, &AttrDraft::softMax, maxValue);
}
MStatus MFnUnitAttribute::setDefault(double defaultValue) {
  return setDefaultNumber(*this, defaultValue);
}

MStatus MFnUnitAttribute::setMin(const MAngle& minValue) {
  return setUnitValue(*this, AttrType::Angle, &AttrDraft::min, minValue.asRadians());
}
MStatus MFnUnitAttribute::setMax(const MAngle& maxValue) {
  return setUnitValue(*this, AttrType::Angle, &AttrDraft::max, maxValue.asRadians());
}
MStatus MFnUnitAttribute::setDefault(const MAngle& defaultValue) {
  return setUnitDefault(*this, AttrType::Angle, defaultValue.asRadians());
}
MStatus MFnUnitAttribute::setMin(const MDistance& minValue) {
  return setUnitValue(*this, AttrType::Distance, &AttrDraft::min, minValue.asCentimeters());
}
MStatus MFnUnitAttribute::setMax(const MDistance& maxValue) {
  return setUnitValue(*this, AttrType::Distance, &AttrDraft::max, maxValue.asCentimeters());
}
MStatus MFnUnitAttribute::setDefault(const MDistance& defaultValue) {
  return setUnitDefault(*this, AttrType::Distance, defaultValue.asCentimeters());
}

// ======================================================== MFnTypedAttribute

MFnTypedAttribute::MFnTypedAttribute() = default;
MFnTypedAttribute::MFnTypedAttribute(MObject& object, MStatus* ReturnStatus) {
  mayasim::setStatus(ReturnStatus, setObject(object));
}
MFnTypedAttribute::MFnTypedAttribute(const MObject& object, MStatus* ReturnStatus) {
  mayasim::setStatus(ReturnStatus, setObject(object));
}
MFnTypedAttribute::~MFnTypedAttribute() = default;

MFn::Type MFnTypedAttribute::type() const { return MFn::kTypedAttribute; }
const char* MFnTypedAttribute::className() { return "MFnTypedAttribute"; }

// `defaultData` would come from a data function set this host does not
// have; strings start empty and meshes without geometry.
MObject MFnTypedAttribute::create(const MString& fullName, const MString& briefName,
                                  MFnData::Type type, MObject /*defaultData*/,
                                  MStatus* ReturnStatus) {
  AttrDraft draft;
  draft.kind = AttrDraft::Kind::Typed;
  draft.dataType = type;
  switch (type) {
    case MFnData::kString:
      draft.type = AttrType::String;
      break;
    case MFnData::kMesh:
      draft.type = AttrType::Mesh;
      break;
    case MFnData::kInvalid:
    case MFnData::kLast:
      return refuse(ReturnStatus, MS::kInvalidParameter);
    default:
      return refuse(ReturnStatus, MS::kNotImplemented);
  }
  return createDraft(*this, std::move(draft), fullName, briefName, ReturnStatus);
}

MFnData::Type MFnTypedAttribute::attrType(MStatus* ReturnStatus) const {
  return readDecl(*this, ReturnStatus, MFnData::kInvalid, [](const scene::AttrDecl& s, AttrDraft*) {
    switch (s.type) {
      case AttrType::String:
        return MFnData::kString;
      case AttrType::Mesh:
        return MFnData::kMesh;
      default:
        return MFnData::kInvalid;
    }
  });
}
