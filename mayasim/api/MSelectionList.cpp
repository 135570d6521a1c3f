#include <maya/MDagPath.h>
#include <maya/MObject.h>
#include <maya/MSelectionList.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>

#include <algorithm>

#include "api/ObjectAccess.h"
#include "host/Host.h"
#include "scene/Scene.h"

using mayasim::host;
using mayasim::nodeIdOf;
using mayasim::ObjectAccess;

MSelectionList::MSelectionList() = default;
MSelectionList::MSelectionList(const MSelectionList& other) = default;
MSelectionList::~MSelectionList() = default;
MSelectionList& MSelectionList::operator=(const MSelectionList& other) = default;

MStatus MSelectionList::clear() {
  items_.clear();
  return MS::kSuccess;
}

bool MSelectionList::isEmpty(MStatus* ReturnStatus) const {
  if (ReturnStatus) *ReturnStatus = MS::kSuccess;
  return items_.empty();
}

unsigned int MSelectionList::length(MStatus* ReturnStatus) const {
  if (ReturnStatus) *ReturnStatus = MS::kSuccess;
  return static_cast<unsigned int>(items_.size());
}

MStatus MSelectionList::getDependNode(unsigned int index, MObject& depNode) const {
  if (index >= items_.size()) return MS::kInvalidParameter;
  depNode = items_[index];
  return MS::kSuccess;
}

MStatus MSelectionList::getDagPath(unsigned int index, MDagPath& dagPath, MObject&) const {
  if (index >= items_.size()) return MS::kInvalidParameter;
  return MDagPath::getAPathTo(items_[index], dagPath);
}

MStatus MSelectionList::add(const MObject& object, const bool) {
  if (ObjectAccess::kind(object) != mayasim::ObjectKind::Node || object.isNull())
    return MS::kInvalidParameter;
  if (std::find(items_.begin(), items_.end(), object) == items_.end()) items_.push_back(object);
  return MS::kSuccess;
}

MStatus MSelectionList::add(const MDagPath& object, const MObject&, const bool mergeWithExisting) {
  if (!object.isValid()) return MS::kInvalidParameter;
  return add(object.node(), mergeWithExisting);
}

MStatus MSelectionList::add(const MString& matchString, const bool) {
  scene::NodeId id = scene::kNoNode;
  try {
    id = host().scene().resolve(mayasim::str(matchString));
  } catch (const std::exception&) {
    return MS::kInvalidParameter;  // more than one object matches
  }
  if (id == scene::kNoNode) return MS::kInvalidParameter;
  return add(ObjectAccess::makeNode(id));
}

MStatus MSelectionList::remove(unsigned int index) {
  if (index >= items_.size()) return MS::kInvalidParameter;
  items_.erase(items_.begin() + index);
  return MS::kSuccess;
}

bool MSelectionList::hasItem(const MObject& item, MStatus* ReturnStatus) const {
  if (ReturnStatus) *ReturnStatus = MS::kSuccess;
  return std::find(items_.begin(), items_.end(), item) != items_.end();
}

MStatus MSelectionList::getSelectionStrings(MStringArray& array) const {
  array.clear();
  for (const MObject& o : items_) {
    scene::NodeId id = nodeIdOf(o);
    if (host().scene().exists(id)) array.append(mayasim::mstr(host().scene().partialPath(id)));
  }
  return MS::kSuccess;
}

const char* MSelectionList::className() { return "MSelectionList"; }
