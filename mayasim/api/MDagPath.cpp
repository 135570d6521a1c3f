#include <maya/MDagPath.h>
#include <maya/MFn.h>
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

namespace {

// The live DAG node a path ends at, or nullptr.
const scene::Node* dagNode(const MObject& node) {
  const scene::Node* n = host().scene().node(nodeIdOf(node));
  return n && n->type().isDag() ? n : nullptr;
}

}  // namespace

MDagPath::MDagPath() = default;
MDagPath::MDagPath(const MDagPath& other) = default;
MDagPath::~MDagPath() = default;
MDagPath& MDagPath::operator=(const MDagPath& other) = default;
bool MDagPath::operator==(const MDagPath& other) const { return node_ == other.node_; }

MStatus MDagPath::getAPathTo(const MObject& node, MDagPath& path) {
  if (!dagNode(node)) return MS::kInvalidParameter;
  path.node_ = node;
  return MS::kSuccess;
}

MObject MDagPath::node(MStatus* ReturnStatus) const {
  bool ok = dagNode(node_) != nullptr;
  mayasim::setStatus(ReturnStatus, ok ? MS::kSuccess : MS::kInvalidParameter);
  return ok ? node_ : MObject();
}

MObject MDagPath::transform(MStatus* ReturnStatus) const {
  const scene::Node* n = dagNode(node_);
  if (!n) {
    mayasim::setStatus(ReturnStatus, MS::kInvalidParameter);
    return MObject();
  }
  mayasim::setStatus(ReturnStatus, MS::kSuccess);
  if (n->type().hasApiType(MFn::kTransform)) return node_;
  return ObjectAccess::makeNode(n->parent());
}

bool MDagPath::hasFn(MFn::Type type, MStatus* ReturnStatus) const {
  bool ok = dagNode(node_) != nullptr;
  mayasim::setStatus(ReturnStatus, ok ? MS::kSuccess : MS::kInvalidParameter);
  return ok && node_.hasFn(type);
}

MFn::Type MDagPath::apiType(MStatus* ReturnStatus) const {
  bool ok = dagNode(node_) != nullptr;
  mayasim::setStatus(ReturnStatus, ok ? MS::kSuccess : MS::kInvalidParameter);
  return ok ? node_.apiType() : MFn::kInvalid;
}

bool MDagPath::isValid(MStatus* ReturnStatus) const {
  mayasim::setStatus(ReturnStatus, MS::kSuccess);
  return dagNode(node_) != nullptr;
}

MStatus MDagPath::extendToShape() {
  const scene::Node* n = dagNode(node_);
  if (!n) return MS::kInvalidParameter;
  if (n->type().isShape()) return MS::kSuccess;
  scene::NodeId shape = scene::kNoNode;
  for (scene::NodeId child : n->children()) {
    const scene::Node* c = host().scene().node(child);
    if (!c || !c->type().isShape()) continue;
    if (shape != scene::kNoNode) return MS::kFailure;  // several shapes: which one?
    shape = child;
  }
  if (shape == scene::kNoNode) return MS::kFailure;
  node_ = ObjectAccess::makeNode(shape);
  return MS::kSuccess;
}

MString MDagPath::fullPathName(MStatus* ReturnStatus) const {
  bool ok = dagNode(node_) != nullptr;
  mayasim::setStatus(ReturnStatus, ok ? MS::kSuccess : MS::kInvalidParameter);
  return ok ? mstr(host().scene().fullPath(nodeIdOf(node_))) : MString();
}

MString MDagPath::partialPathName(MStatus* ReturnStatus) const {
  bool ok = dagNode(node_) != nullptr;
  mayasim::setStatus(ReturnStatus, ok ? MS::kSuccess : MS::kInvalidParameter);
  return ok ? mstr(host().scene().partialPath(nodeIdOf(node_))) : MString();
}

const char* MDagPath::className() { return "MDagPath"; }

MDagPath ObjectAccess::makeDagPath(scene::NodeId id) {
  MDagPath path;
  path.node_ = makeNode(id);
  return path;
}
