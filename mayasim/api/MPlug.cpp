#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <cmath>
#include <utility>

#include "api/ObjectAccess.h"
#include "api/ReturnStatus.h"
#include "host/Host.h"
#include "scene/Scene.h"

using mayasim::host;
using mayasim::mstr;
using mayasim::ObjectAccess;

namespace {

// The plug when its node is in the scene now, else a null plug.
scene::Plug livePlug(const MPlug& plug) {
  scene::Plug p = ObjectAccess::scenePlug(plug);
  return host().scene().exists(p.node) ? p : scene::Plug{};
}

template <typename Fn>
MStatus set(const MPlug& plug, Fn fn) {
  scene::Plug p = livePlug(plug);
  if (p.isNull()) return MS::kInvalidParameter;
  try {
    fn(host().scene(), p);
  } catch (const scene::Error&) {
    return MS::kFailure;
  }
  return MS::kSuccess;
}

}  // namespace

MPlug::MPlug() = default;
MPlug::MPlug(const MPlug& other) = default;
MPlug::MPlug(const MObject& node, const MObject& attribute) : node_(node), attribute_(attribute) {}
MPlug::~MPlug() = default;
MPlug& MPlug::operator=(const MPlug& other) = default;

MObject MPlug::attribute(MStatus* ReturnStatus) const {
  mayasim::setStatusOk(ReturnStatus, !isNull());
  return attribute_;
}

MObject MPlug::node(MStatus* ReturnStatus) const {
  mayasim::setStatusOk(ReturnStatus, !isNull());
  return node_;
}

MString MPlug::name(MStatus* ReturnStatus) const {
  scene::Plug p = ObjectAccess::scenePlug(*this);
  mayasim::setStatusOk(ReturnStatus, !p.isNull());
  if (p.isNull()) return MString();
  scene::Scene& scene = host().scene();
  if (scene.exists(p.node)) return mstr(scene.plugName(p));
  // A node yet to be made has no name yet.
  return mstr("." + scene.typeOf(p.node)->attr(p.attr).longName);
}

MString MPlug::partialName(bool includeNodeName, bool /*includeNonMandatoryIndices*/,
                           bool /*includeInstancedIndices*/, bool /*useAlias*/,
                           bool /*useFullAttributePath*/, bool useLongNames,
                           MStatus* ReturnStatus) const {
  scene::Plug p = ObjectAccess::scenePlug(*this);
  mayasim::setStatusOk(ReturnStatus, !p.isNull());
  if (p.isNull()) return MString();
  scene::Scene& scene = host().scene();
  const auto& attr = scene.typeOf(p.node)->attr(p.attr);
  std::string text = useLongNames ? attr.longName : attr.shortName;
  if (includeNodeName) {
    text = (scene.exists(p.node) ? scene.partialPath(p.node) : std::string()) + "." + text;
  }
  return mstr(text);
}

bool MPlug::isNull(MStatus* ReturnStatus) const {
  mayasim::setStatusOk(ReturnStatus, true);
  return ObjectAccess::scenePlug(*this).isNull();
}

unsigned int MPlug::numChildren(MStatus* ReturnStatus) const {
  scene::Plug p = ObjectAccess::scenePlug(*this);
  mayasim::setStatusOk(ReturnStatus, !p.isNull());
  return static_cast<unsigned int>(host().scene().childPlugs(p).size());
}

MPlug MPlug::child(unsigned int index, MStatus* ReturnStatus) const {
  std::vector<scene::Plug> children = host().scene().childPlugs(ObjectAccess::scenePlug(*this));
  bool ok = index < children.size();
  mayasim::setStatusOk(ReturnStatus, ok, MS::kInvalidParameter);
  if (!ok) return MPlug();
  MPlug r(*this);
  const scene::NodeType* type = host().scene().typeOf(children[index].node);
  r.attribute_ = ObjectAccess::makeAttribute(&type->attr(children[index].attr));
  return r;
}

MPlug MPlug::parent(MStatus* ReturnStatus) const {
  scene::Plug p = host().scene().parentPlug(ObjectAccess::scenePlug(*this));
  mayasim::setStatusOk(ReturnStatus, !p.isNull(), MS::kInvalidParameter);
  if (p.isNull()) return MPlug();
  MPlug r(*this);
  r.attribute_ = ObjectAccess::makeAttribute(&host().scene().typeOf(p.node)->attr(p.attr));
  return r;
}

bool MPlug::isCompound(MStatus* ReturnStatus) const {
  scene::Plug p = ObjectAccess::scenePlug(*this);
  mayasim::setStatusOk(ReturnStatus, !p.isNull());
  const scene::AttrDecl* decl = host().scene().decl(p);
  return decl && decl->isCompound();
}

bool MPlug::isConnected(MStatus* ReturnStatus) const {
  scene::Plug p = livePlug(*this);
  mayasim::setStatusOk(ReturnStatus, !p.isNull());
  return !p.isNull() && host().scene().hasConnections(p);
}

double MPlug::asDouble(MStatus* ReturnStatus) const {
  scene::Plug p = livePlug(*this);
  mayasim::setStatusOk(ReturnStatus, !p.isNull(), MS::kInvalidParameter);
  return p.isNull() ? 0.0 : host().scene().getDouble(p);
}

float MPlug::asFloat(MStatus* ReturnStatus) const {
  return static_cast<float>(asDouble(ReturnStatus));
}

int MPlug::asInt(MStatus* ReturnStatus) const {
  return static_cast<int>(std::lround(asDouble(ReturnStatus)));
}

bool MPlug::asBool(MStatus* ReturnStatus) const { return asDouble(ReturnStatus) != 0.0; }

MString MPlug::asString(MStatus* ReturnStatus) const {
  scene::Plug p = livePlug(*this);
  mayasim::setStatusOk(ReturnStatus, !p.isNull(), MS::kInvalidParameter);
  return p.isNull() ? MString() : mstr(host().scene().getString(p));
}

MStatus MPlug::setDouble(double value) {
  return set(*this, [&](scene::Scene& s, const scene::Plug& p) { s.setDouble(p, value); });
}
MStatus MPlug::setFloat(float value) { return setDouble(static_cast<double>(value)); }
MStatus MPlug::setInt(int value) { return setDouble(static_cast<double>(value)); }
MStatus MPlug::setBool(bool value) { return setDouble(value ? 1.0 : 0.0); }
MStatus MPlug::setString(const MString& value) {
  return set(*this,
             [&](scene::Scene& s, const scene::Plug& p) { s.setString(p, mayasim::str(value)); });
}

namespace {

// `value` takes what `read` gives only when the plug could be read.
template <typename T, typename Read>
MStatus readInto(T& value, Read read) {
  MStatus s;
  T v = read(&s);
  if (s) value = std::move(v);
  return s;
}

}  // namespace

MStatus MPlug::getValue(double& value) const {
  return readInto(value, [this](MStatus* s) { return asDouble(s); });
}
MStatus MPlug::getValue(float& value) const {
  return readInto(value, [this](MStatus* s) { return asFloat(s); });
}
MStatus MPlug::getValue(int& value) const {
  return readInto(value, [this](MStatus* s) { return asInt(s); });
}
MStatus MPlug::getValue(bool& value) const {
  return readInto(value, [this](MStatus* s) { return asBool(s); });
}
MStatus MPlug::getValue(MString& value) const {
  return readInto(value, [this](MStatus* s) { return asString(s); });
}
MStatus MPlug::setValue(double value) { return setDouble(value); }
MStatus MPlug::setValue(float value) { return setFloat(value); }
MStatus MPlug::setValue(int value) { return setInt(value); }
MStatus MPlug::setValue(bool value) { return setBool(value); }
MStatus MPlug::setValue(const MString& value) { return setString(value); }
MStatus MPlug::setValue(const char* value) { return setString(MString(value)); }

bool MPlug::operator==(const MPlug& other) const {
  return ObjectAccess::scenePlug(*this) == ObjectAccess::scenePlug(other);
}
bool MPlug::operator==(const MObject& other) const { return attribute_ == other; }
bool MPlug::operator!=(const MPlug& other) const { return !(*this == other); }
bool MPlug::operator!=(const MObject& other) const { return !(*this == other); }

const char* MPlug::className() { return "MPlug"; }

scene::Plug mayasim::ObjectAccess::scenePlug(const MPlug& plug) {
  scene::NodeId id = nodeId(plug.node_);
  const scene::NodeType* type = host().scene().typeOf(id);
  if (!type) return {};
  int index = attrIndexIn(plug.attribute_, *type);
  if (index < 0) return {};
  return scene::Plug{id, index};
}

MPlug mayasim::ObjectAccess::makePlug(const scene::Plug& p) {
  const scene::NodeType* type = host().scene().typeOf(p.node);
  if (!type || p.attr < 0 || static_cast<std::size_t>(p.attr) >= type->attrs().size())
    return MPlug();
  return MPlug(makeNode(p.node), makeAttribute(&type->attr(p.attr)));
}
