#include <maya/MFn.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include "api/ObjectAccess.h"
#include "api/PluginNodeTypes.h"
#include "api/ReturnStatus.h"
#include "host/Host.h"
#include "scene/Scene.h"

using mayasim::host;
using mayasim::mstr;
using mayasim::nodeIdOf;
using mayasim::ObjectAccess;
using mayasim::str;

namespace {}  // namespace

MFnDependencyNode::MFnDependencyNode() = default;
MFnDependencyNode::MFnDependencyNode(MObject& object, MStatus* ReturnStatus) {
  mayasim::setStatus(ReturnStatus, setObject(object));
}
MFnDependencyNode::MFnDependencyNode(const MObject& object, MStatus* ReturnStatus) {
  mayasim::setStatus(ReturnStatus, setObject(object));
}
MFnDependencyNode::~MFnDependencyNode() = default;

MFn::Type MFnDependencyNode::type() const { return MFn::kDependencyNode; }
const char* MFnDependencyNode::className() { return "MFnDependencyNode"; }

MObject MFnDependencyNode::create(const MString& type, MStatus* ReturnStatus) {
  return create(type, MString(), ReturnStatus);
}

MObject MFnDependencyNode::create(const MString& type, const MString& name, MStatus* ReturnStatus) {
  scene::Scene& scene = host().scene();
  scene::NodeId id = scene::kNoNode;
  try {
    scene::SuspendScope suspend(scene.undoQueue());
    id = scene.createNode(str(type), str(name));
  } catch (const scene::Error&) {
    mayasim::setStatus(ReturnStatus, MS::kInvalidParameter);
    return MObject();
  }
  MObject object = ObjectAccess::makeNode(id);
  mayasim::setStatus(ReturnStatus, setObject(object));
  return object;
}

MString MFnDependencyNode::typeName(MStatus* ReturnStatus) const {
  const scene::NodeType* t = host().scene().typeOf(nodeIdOf(ObjectAccess::fnObject(*this)));
  mayasim::setStatus(ReturnStatus, t ? MS::kSuccess : MS::kInvalidParameter);
  return t ? mstr(t->name()) : MString();
}

MString MFnDependencyNode::name(MStatus* ReturnStatus) const {
  const MObject& o = ObjectAccess::fnObject(*this);
  const scene::Node* n = host().scene().node(nodeIdOf(o));
  mayasim::setStatus(ReturnStatus, o.isNull() ? MS::kInvalidParameter : MS::kSuccess);
  return n ? mstr(n->name()) : MString();
}

MString MFnDependencyNode::absoluteName(MStatus* ReturnStatus) const {
  MString n = name(ReturnStatus);
  return n.length() ? ":" + n : n;
}

MString MFnDependencyNode::setName(const MString& name, bool, MStatus* ReturnStatus) {
  scene::Scene& scene = host().scene();
  scene::NodeId id = nodeIdOf(ObjectAccess::fnObject(*this));
  if (!scene.exists(id)) {
    mayasim::setStatus(ReturnStatus, MS::kInvalidParameter);
    return MString();
  }
  try {
    scene::SuspendScope suspend(scene.undoQueue());
    std::string given = scene.rename(id, str(name));
    mayasim::setStatus(ReturnStatus, MS::kSuccess);
    return mstr(given);
  } catch (const scene::Error&) {
    mayasim::setStatus(ReturnStatus, MS::kInvalidParameter);
    return this->name();
  }
}

MObject MFnDependencyNode::attribute(const MString& attrName, MStatus* ReturnStatus) const {
  const scene::NodeType* t = host().scene().typeOf(nodeIdOf(ObjectAccess::fnObject(*this)));
  int index = t ? t->findAttr(str(attrName)) : -1;
  mayasim::setStatus(ReturnStatus, index >= 0 ? MS::kSuccess : MS::kInvalidParameter);
  return index >= 0 ? ObjectAccess::makeAttribute(&t->attr(index)) : MObject();
}

bool MFnDependencyNode::hasAttribute(const MString& name, MStatus* ReturnStatus) const {
  const scene::NodeType* t = host().scene().typeOf(nodeIdOf(ObjectAccess::fnObject(*this)));
  mayasim::setStatus(ReturnStatus, t ? MS::kSuccess : MS::kInvalidParameter);
  return t && t->findAttr(str(name)) >= 0;
}

unsigned int MFnDependencyNode::attributeCount(MStatus* ReturnStatus) const {
  const scene::NodeType* t = host().scene().typeOf(nodeIdOf(ObjectAccess::fnObject(*this)));
  mayasim::setStatus(ReturnStatus, t ? MS::kSuccess : MS::kInvalidParameter);
  return t ? static_cast<unsigned int>(t->attrs().size()) : 0;
}

MPlug MFnDependencyNode::findPlug(const MObject& attr, bool, MStatus* ReturnStatus) const {
  const MObject& node = ObjectAccess::fnObject(*this);
  const scene::NodeType* t = host().scene().typeOf(nodeIdOf(node));
  int index = t ? ObjectAccess::attrIndexIn(attr, *t) : -1;
  mayasim::setStatus(ReturnStatus, index >= 0 ? MS::kSuccess : MS::kInvalidParameter);
  return index >= 0 ? MPlug(node, ObjectAccess::makeAttribute(&t->attr(index))) : MPlug();
}

MPlug MFnDependencyNode::findPlug(const MString& attrName, bool, MStatus* ReturnStatus) const {
  MStatus status;
  MObject attr = attribute(attrName, &status);
  mayasim::setStatus(ReturnStatus, status);
  return status ? MPlug(ObjectAccess::fnObject(*this), attr) : MPlug();
}

MPlug MFnDependencyNode::findPlug(const MObject& attr, MStatus* ReturnStatus) const {
  return findPlug(attr, false, ReturnStatus);
}

MPlug MFnDependencyNode::findPlug(const MString& attrName, MStatus* ReturnStatus) const {
  return findPlug(attrName, false, ReturnStatus);
}

MPxNode* MFnDependencyNode::userNode(MStatus* ReturnStatus) const {
  // A node of a plug-in type keeps its record, and through it the MPxNode,
  // in Node::userData.
  const scene::Node* n = host().scene().node(nodeIdOf(ObjectAccess::fnObject(*this)));
  const auto* record = n && n->type().hasApiType(MFn::kPluginDependNode)
                           ? static_cast<const mayasim::PluginNode*>(n->userData.get())
                           : nullptr;
  MPxNode* node = record ? record->object : nullptr;
  mayasim::setStatus(ReturnStatus, node ? MS::kSuccess : MS::kInvalidParameter);
  return node;
}
