#include <maya/MDagPath.h>
#include <maya/MFn.h>
#include <maya/MFnBase.h>
#include <maya/MFnDagNode.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include "api/ObjectAccess.h"
#include "api/ReturnStatus.h"
#include "host/Host.h"
#include "scene/Scene.h"

using mayasim::host;
using mayasim::mstr;
using mayasim::nodeIdOf;
using mayasim::ObjectAccess;
using mayasim::str;

namespace {

// The live DAG node the set is attached to, or nullptr.
const scene::Node* attached(const MFnBase& fn) {
  const scene::Node* n = host().scene().node(nodeIdOf(ObjectAccess::fnObject(fn)));
  return n && n->type().isDag() ? n : nullptr;
}

}  // namespace

MFnDagNode::MFnDagNode() = default;
MFnDagNode::MFnDagNode(MObject& object, MStatus* ret) {
  mayasim::setStatus(ret, setObject(object));
}
MFnDagNode::MFnDagNode(const MDagPath& object, MStatus* ret) {
  mayasim::setStatus(ret, setObject(object));
}
MFnDagNode::MFnDagNode(const MObject& object, MStatus* ret) {
  mayasim::setStatus(ret, setObject(object));
}
MFnDagNode::~MFnDagNode() = default;

MFn::Type MFnDagNode::type() const { return MFn::kDagNode; }
const char* MFnDagNode::className() { return "MFnDagNode"; }

MStatus MFnDagNode::setObject(MObject& object) {
  return setObject(static_cast<const MObject&>(object));
}

MStatus MFnDagNode::setObject(const MObject& object) {
  if (object.hasFn(type())) return MFnBase::setObject(object);
  // A set for a shape type attached to a transform works on its one shape
  // of that type.
  const scene::Node* n = host().scene().node(nodeIdOf(object));
  if (n && n->type().isDag()) {
    MObject match;
    int matches = 0;
    for (scene::NodeId child : n->children()) {
      MObject c = ObjectAccess::makeNode(child);
      const scene::Node* cn = host().scene().node(child);
      if (cn && cn->type().isShape() && c.hasFn(type())) {
        match = c;
        ++matches;
      }
    }
    if (matches == 1) return MFnBase::setObject(match);
  }
  return MFnBase::setObject(object);  // detaches and reports the mismatch
}

MStatus MFnDagNode::setObject(const MDagPath& path) {
  MStatus status;
  MObject node = path.node(&status);
  if (!status) {
    MFnBase::setObject(MObject());
    return MS::kInvalidParameter;
  }
  return setObject(node);
}

MObject MFnDagNode::create(const MString& type, MObject& parent, MStatus* ReturnStatus) {
  return create(type, MString(), parent, ReturnStatus);
}

MObject MFnDagNode::create(const MString& type, const MString& name, MObject& parent,
                           MStatus* ReturnStatus) {
  scene::Scene& scene = host().scene();
  const scene::NodeType* t = scene.findType(str(type));
  if (!t || !t->isDag()) {
    mayasim::setStatus(ReturnStatus, MS::kInvalidParameter);
    return MObject();
  }
  scene::NodeId parentId = nodeIdOf(parent);
  try {
    scene::SuspendScope suspend(scene.undoQueue());
    scene::NodeId transform = scene::kNoNode;
    if (parentId == scene::kNoNode && t->isShape()) {
      // A shape needs a transform above it; that transform is what is returned.
      transform = scene.createNode("transform");
      parentId = transform;
    }
    scene::NodeId id = scene.createNode(str(type), str(name), parentId);
    mayasim::setStatus(ReturnStatus, setObject(ObjectAccess::makeNode(id)));
    return ObjectAccess::makeNode(transform != scene::kNoNode ? transform : id);
  } catch (const scene::Error&) {
    mayasim::setStatus(ReturnStatus, MS::kInvalidParameter);
    return MObject();
  }
}

unsigned int MFnDagNode::parentCount(MStatus* ReturnStatus) const {
  const scene::Node* n = attached(*this);
  mayasim::setStatus(ReturnStatus, n ? MS::kSuccess : MS::kInvalidParameter);
  return n && n->parent() != scene::kNoNode ? 1 : 0;
}

MObject MFnDagNode::parent(unsigned int i, MStatus* ReturnStatus) const {
  const scene::Node* n = attached(*this);
  bool ok = n && i == 0 && n->parent() != scene::kNoNode;
  mayasim::setStatus(ReturnStatus, ok ? MS::kSuccess : MS::kInvalidParameter);
  return ok ? ObjectAccess::makeNode(n->parent()) : MObject();
}

unsigned int MFnDagNode::childCount(MStatus* ReturnStatus) const {
  const scene::Node* n = attached(*this);
  mayasim::setStatus(ReturnStatus, n ? MS::kSuccess : MS::kInvalidParameter);
  return n ? static_cast<unsigned int>(n->children().size()) : 0;
}

MObject MFnDagNode::child(unsigned int i, MStatus* ReturnStatus) const {
  const scene::Node* n = attached(*this);
  bool ok = n && i < n->children().size();
  mayasim::setStatus(ReturnStatus, ok ? MS::kSuccess : MS::kInvalidParameter);
  return ok ? ObjectAccess::makeNode(n->children()[i]) : MObject();
}

MStatus MFnDagNode::addChild(MObject& child, unsigned int, bool) {
  const scene::Node* n = attached(*this);
  if (!n) return MS::kInvalidParameter;
  scene::Scene& scene = host().scene();
  try {
    scene::SuspendScope suspend(scene.undoQueue());
    scene.setParent(nodeIdOf(child), n->id());
  } catch (const scene::Error&) {
    return MS::kInvalidParameter;
  }
  return MS::kSuccess;
}

MStatus MFnDagNode::getPath(MDagPath& path) const {
  const scene::Node* n = attached(*this);
  if (!n) return MS::kInvalidParameter;
  path = ObjectAccess::makeDagPath(n->id());
  return MS::kSuccess;
}

MDagPath MFnDagNode::dagPath(MStatus* ReturnStatus) const {
  MDagPath path;
  mayasim::setStatus(ReturnStatus, getPath(path));
  return path;
}

MString MFnDagNode::fullPathName(MStatus* ReturnStatus) const {
  const scene::Node* n = attached(*this);
  mayasim::setStatus(ReturnStatus, n ? MS::kSuccess : MS::kInvalidParameter);
  return n ? mstr(host().scene().fullPath(n->id())) : MString();
}

MString MFnDagNode::partialPathName(MStatus* ReturnStatus) const {
  const scene::Node* n = attached(*this);
  mayasim::setStatus(ReturnStatus, n ? MS::kSuccess : MS::kInvalidParameter);
  return n ? mstr(host().scene().partialPath(n->id())) : MString();
}
