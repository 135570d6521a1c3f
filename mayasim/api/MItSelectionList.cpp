#include <maya/MDagPath.h>
#include <maya/MFn.h>
#include <maya/MItSelectionList.h>
#include <maya/MObject.h>
#include <maya/MSelectionList.h>
#include <maya/MStatus.h>
#include <maya/MStringArray.h>

#include "api/ObjectAccess.h"
#include "host/Host.h"
#include "scene/Scene.h"

using mayasim::host;
using mayasim::nodeIdOf;
using mayasim::ObjectAccess;

namespace {

// Appends the DAG nodes below `id` that match `filter`, depth first.
void collectBelow(const scene::Scene& scene, scene::NodeId id, MFn::Type filter,
                  std::vector<MObject>& out) {
  for (scene::NodeId child : scene.childrenOf(id)) {
    MObject o = ObjectAccess::makeNode(child);
    if (o.hasFn(filter))
      out.push_back(o);
    else
      collectBelow(scene, child, filter, out);
  }
}

}  // namespace

MItSelectionList::MItSelectionList(const MSelectionList& list, MFn::Type filter,
                                   MStatus* ReturnStatus)
    : list_(list), filter_(filter), position_(0) {
  collect();
  if (ReturnStatus) *ReturnStatus = MS::kSuccess;
}

MItSelectionList::~MItSelectionList() = default;

void MItSelectionList::collect() {
  items_.clear();
  position_ = 0;
  const scene::Scene& scene = host().scene();
  for (unsigned int i = 0; i < list_.length(); ++i) {
    MObject o;
    list_.getDependNode(i, o);
    if (!scene.exists(nodeIdOf(o))) continue;
    if (filter_ == MFn::kInvalid || o.hasFn(filter_))
      items_.push_back(o);
    else if (o.hasFn(MFn::kDagNode))
      collectBelow(scene, nodeIdOf(o), filter_, items_);
  }
}

bool MItSelectionList::isDone(MStatus* ReturnStatus) {
  if (ReturnStatus) *ReturnStatus = MS::kSuccess;
  return position_ >= items_.size();
}

MStatus MItSelectionList::next() {
  if (position_ < items_.size()) ++position_;
  return MS::kSuccess;
}

MStatus MItSelectionList::reset() {
  position_ = 0;
  return MS::kSuccess;
}

MStatus MItSelectionList::getDependNode(MObject& depNode) {
  if (position_ >= items_.size()) return MS::kFailure;
  depNode = items_[position_];
  return MS::kSuccess;
}

MStatus MItSelectionList::getDagPath(MDagPath& dagPath, MObject&) { return getDagPath(dagPath); }

MStatus MItSelectionList::getDagPath(MDagPath& dagPath) {
  if (position_ >= items_.size()) return MS::kFailure;
  return MDagPath::getAPathTo(items_[position_], dagPath) ? MStatus(MS::kSuccess)
                                                          : MStatus(MS::kFailure);
}

MStatus MItSelectionList::getStrings(MStringArray& array) {
  array.clear();
  if (position_ >= items_.size()) return MS::kFailure;
  scene::NodeId id = nodeIdOf(items_[position_]);
  array.append(mayasim::mstr(host().scene().partialPath(id)));
  return MS::kSuccess;
}

MItSelectionList::selItemType MItSelectionList::itemType(MStatus* ReturnStatus) {
  if (position_ >= items_.size()) {
    if (ReturnStatus) *ReturnStatus = MS::kFailure;
    return kUnknownItem;
  }
  if (ReturnStatus) *ReturnStatus = MS::kSuccess;
  return items_[position_].hasFn(MFn::kDagNode) ? kDagSelectionItem : kDNselectionItem;
}

MStatus MItSelectionList::setFilter(MFn::Type filter) {
  filter_ = filter;
  collect();
  return MS::kSuccess;
}

const char* MItSelectionList::className() { return "MItSelectionList"; }
