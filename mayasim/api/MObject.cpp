#include <maya/MFn.h>
#include <maya/MObject.h>

#include "api/ObjectAccess.h"
#include "host/Host.h"
#include "scene/Scene.h"

using mayasim::ObjectAccess;
using mayasim::ObjectKind;

MObject MObject::kNullObj;

MObject::MObject() : kind_(0), id_(0), ptr_(nullptr) {}
MObject::MObject(const MObject& other) = default;
MObject::~MObject() = default;
MObject& MObject::operator=(const MObject& other) = default;

namespace {

// API type of an attribute by the kind of value it holds.
MFn::Type attributeApiType(const scene::AttrDecl& decl) {
  switch (decl.type) {
    case scene::AttrType::Distance:
    case scene::AttrType::Angle:
      return MFn::kUnitAttribute;
    case scene::AttrType::String:
    case scene::AttrType::Mesh:
      return MFn::kTypedAttribute;
    case scene::AttrType::Message:
      return MFn::kAttribute;
    default:
      return MFn::kNumericAttribute;
  }
}

}  // namespace

MFn::Type MObject::apiType() const {
  switch (static_cast<ObjectKind>(kind_)) {
    case ObjectKind::Null:
      return MFn::kInvalid;
    case ObjectKind::Node: {
      const scene::NodeType* type = mayasim::host().scene().typeOf(id_);
      return type ? static_cast<MFn::Type>(type->apiType()) : MFn::kInvalid;
    }
    case ObjectKind::Attribute:
      return attributeApiType(*static_cast<const scene::AttrDecl*>(ptr_));
    case ObjectKind::Plugin:
      return MFn::kBase;
  }
  return MFn::kInvalid;
}

bool MObject::hasFn(MFn::Type fn) const {
  if (isNull()) return false;
  if (fn == MFn::kBase) return true;
  switch (static_cast<ObjectKind>(kind_)) {
    case ObjectKind::Node: {
      const scene::NodeType* type = mayasim::host().scene().typeOf(id_);
      if (type->hasApiType(fn)) return true;
      // Every node is a named dependency node; plug-in types may not list it.
      return fn == MFn::kDependencyNode || fn == MFn::kNamedObject;
    }
    case ObjectKind::Attribute: {
      MFn::Type own = apiType();
      return fn == own || fn == MFn::kAttribute;
    }
    default:
      return fn == apiType();
  }
}

bool MObject::isNull() const {
  switch (static_cast<ObjectKind>(kind_)) {
    case ObjectKind::Null:
      return true;
    case ObjectKind::Node:
      // A node a modifier has yet to make, or one undo may bring back, is
      // still a node.
      return mayasim::host().scene().typeOf(id_) == nullptr;
    case ObjectKind::Attribute:
      return ptr_ == nullptr;
    case ObjectKind::Plugin:
      return false;
  }
  return true;
}

const char* MObject::apiTypeStr() const {
  switch (apiType()) {
    case MFn::kInvalid:
      return "kInvalid";
    case MFn::kBase:
      return "kBase";
    case MFn::kNamedObject:
      return "kNamedObject";
    case MFn::kModel:
      return "kModel";
    case MFn::kDependencyNode:
      return "kDependencyNode";
    case MFn::kDagNode:
      return "kDagNode";
    case MFn::kTransform:
      return "kTransform";
    case MFn::kJoint:
      return "kJoint";
    case MFn::kShape:
      return "kShape";
    case MFn::kCamera:
      return "kCamera";
    case MFn::kLocator:
      return "kLocator";
    case MFn::kMesh:
      return "kMesh";
    case MFn::kMeshGeom:
      return "kMeshGeom";
    case MFn::kLight:
      return "kLight";
    case MFn::kPointLight:
      return "kPointLight";
    case MFn::kPluginDependNode:
      return "kPluginDependNode";
    case MFn::kAttribute:
      return "kAttribute";
    case MFn::kNumericAttribute:
      return "kNumericAttribute";
    case MFn::kUnitAttribute:
      return "kUnitAttribute";
    case MFn::kTypedAttribute:
      return "kTypedAttribute";
    case MFn::kMeshData:
      return "kMeshData";
    case MFn::kLast:
      return "kLast";
  }
  return "kDependencyNode";  // a node kind without a name of its own here
}

bool MObject::operator==(const MObject& other) const {
  if (kind_ != other.kind_) return false;
  if (static_cast<ObjectKind>(kind_) == ObjectKind::Attribute) {
    const auto* a = static_cast<const scene::AttrDecl*>(ptr_);
    const auto* b = static_cast<const scene::AttrDecl*>(other.ptr_);
    // An attribute made by a function set and the one its type holds once
    // registered are the same attribute.
    return a == b || (a && b && a->longName == b->longName);
  }
  return id_ == other.id_;
}
bool MObject::operator!=(const MObject& other) const { return !(*this == other); }

MFn::MFn() = default;

namespace mayasim {

MObject ObjectAccess::makeNode(scene::NodeId id) {
  MObject o;
  if (id == scene::kNoNode) return o;
  o.kind_ = static_cast<int>(ObjectKind::Node);
  o.id_ = id;
  return o;
}

MObject ObjectAccess::makeAttribute(const scene::AttrDecl* decl, std::shared_ptr<void> owner) {
  MObject o;
  if (!decl) return o;
  o.kind_ = static_cast<int>(ObjectKind::Attribute);
  o.ptr_ = decl;
  o.data_ = std::move(owner);
  return o;
}

MObject ObjectAccess::makePlugin(int index) {
  MObject o;
  if (index < 0) return o;
  o.kind_ = static_cast<int>(ObjectKind::Plugin);
  o.id_ = static_cast<std::uint64_t>(index);
  return o;
}

int ObjectAccess::attrIndexIn(const MObject& attr, const scene::NodeType& type) {
  const scene::AttrDecl* decl = attrDecl(attr);
  if (!decl) return -1;
  const auto& attrs = type.attrs();
  if (decl->index >= 0 && static_cast<std::size_t>(decl->index) < attrs.size() &&
      &attrs[static_cast<std::size_t>(decl->index)] == decl)
    return decl->index;
  return type.findAttr(decl->longName);
}

}  // namespace mayasim
