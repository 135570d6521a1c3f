#include <maya/MDoubleArray.h>
#include <maya/MGlobal.h>
#include <maya/MIntArray.h>
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
using mayasim::mstr;
using mayasim::str;

MGlobal::MMayaState MGlobal::mayaState(MStatus* ReturnStatus) {
  if (ReturnStatus) *ReturnStatus = MS::kSuccess;
  return kInteractive;
}

MString MGlobal::mayaVersion() { return "2011"; }
int MGlobal::apiVersion() { return MAYA_API_VERSION; }

// ------------------------------------------------------------- selection

MStatus MGlobal::getActiveSelectionList(MSelectionList& dest, bool) {
  dest.clear();
  for (scene::NodeId id : host().scene().selection()) dest.add(mayasim::ObjectAccess::makeNode(id));
  return MS::kSuccess;
}

MStatus MGlobal::setActiveSelectionList(const MSelectionList& src, ListAdjustment listAdjustment) {
  scene::Scene& scene = host().scene();
  std::vector<scene::NodeId> ids;
  for (unsigned int i = 0; i < src.length(); ++i) {
    MObject o;
    src.getDependNode(i, o);
    scene::NodeId id = mayasim::nodeIdOf(o);
    if (scene.exists(id)) ids.push_back(id);
  }
  try {
    switch (listAdjustment) {
      case kReplaceList:
        scene.select(ids, scene::SelectMode::Replace);
        break;
      case kXORWithList:
        scene.select(ids, scene::SelectMode::Toggle);
        break;
      case kAddToList:
        scene.select(ids, scene::SelectMode::Add);
        break;
      case kRemoveFromList:
        scene.select(ids, scene::SelectMode::Remove);
        break;
      case kAddToHeadOfList: {
        std::vector<scene::NodeId> all = ids;
        for (scene::NodeId id : scene.selection())
          if (std::find(ids.begin(), ids.end(), id) == ids.end()) all.push_back(id);
        scene.select(all, scene::SelectMode::Replace);
        break;
      }
    }
  } catch (const std::exception&) {
    return MS::kFailure;
  }
  return MS::kSuccess;
}

MStatus MGlobal::getSelectionListByName(const MString& name, MSelectionList& list) {
  list.clear();
  return list.add(name);
}

MStatus MGlobal::selectByName(const MString& name, ListAdjustment listAdjustment) {
  MSelectionList list;
  MStatus status = list.add(name);
  if (!status) return status;
  return setActiveSelectionList(list, listAdjustment);
}

// ------------------------------------------------------------------- MEL

namespace {

// Runs `command` and converts its value with `convert`; kFailure when the
// MEL fails or the value does not convert (the result is then untouched).
template <typename Convert>
MStatus run(const MString& command, bool display, bool undo, Convert convert) {
  mel::Value value;
  if (!host().execute(str(command), display, undo, &value)) return MS::kFailure;
  try {
    convert(value);
  } catch (const mel::Error&) {
    return MS::kFailure;
  }
  return MS::kSuccess;
}

std::vector<mel::Value> elements(const mel::Value& v) {
  std::vector<mel::Value> out;
  switch (v.type()) {
    case mel::ValueType::IntArray:
      for (int i : v.asIntArray()) out.emplace_back(i);
      break;
    case mel::ValueType::FloatArray:
      for (double d : v.asFloatArray()) out.emplace_back(d);
      break;
    case mel::ValueType::StringArray:
      for (auto& s : v.asStringArray()) out.emplace_back(s);
      break;
    case mel::ValueType::Vector:
      for (double d : v.asVector()) out.emplace_back(d);
      break;
    default:
      out.push_back(v);  // a scalar is a one-element array
  }
  return out;
}

}  // namespace

MStatus MGlobal::executeCommand(const MString& command, bool displayEnabled, bool undoEnabled) {
  return host().execute(str(command), displayEnabled, undoEnabled) ? MS::kSuccess : MS::kFailure;
}

MStatus MGlobal::executeCommand(const MString& command, int& result, bool displayEnabled,
                                bool undoEnabled) {
  return run(command, displayEnabled, undoEnabled,
             [&](const mel::Value& v) { result = v.asInt(); });
}

MStatus MGlobal::executeCommand(const MString& command, double& result, bool displayEnabled,
                                bool undoEnabled) {
  return run(command, displayEnabled, undoEnabled,
             [&](const mel::Value& v) { result = v.asFloat(); });
}

MStatus MGlobal::executeCommand(const MString& command, MString& result, bool displayEnabled,
                                bool undoEnabled) {
  return run(command, displayEnabled, undoEnabled, [&](const mel::Value& v) {
    result = mstr(v.isArray() ? v.toString() : v.asString());
  });
}

MStatus MGlobal::executeCommand(const MString& command, MIntArray& result, bool displayEnabled,
                                bool undoEnabled) {
  return run(command, displayEnabled, undoEnabled, [&](const mel::Value& v) {
    MIntArray out;
    for (const mel::Value& e : elements(v)) out.append(e.asInt());
    result = out;
  });
}

MStatus MGlobal::executeCommand(const MString& command, MDoubleArray& result, bool displayEnabled,
                                bool undoEnabled) {
  return run(command, displayEnabled, undoEnabled, [&](const mel::Value& v) {
    MDoubleArray out;
    for (const mel::Value& e : elements(v)) out.append(e.asFloat());
    result = out;
  });
}

MStatus MGlobal::executeCommand(const MString& command, MStringArray& result, bool displayEnabled,
                                bool undoEnabled) {
  return run(command, displayEnabled, undoEnabled, [&](const mel::Value& v) {
    MStringArray out;
    for (const mel::Value& e : elements(v)) out.append(mstr(e.asString()));
    result = out;
  });
}

MString MGlobal::executeCommandStringResult(const MString& command, bool displayEnabled,
                                            bool undoEnabled, MStatus* ResultStatus) {
  MString result;
  MStatus status = executeCommand(command, result, displayEnabled, undoEnabled);
  if (ResultStatus) *ResultStatus = status;
  return result;
}

// -------------------------------------------------------------- messages

void MGlobal::displayInfo(const MString& theMessage) { host().output().info(str(theMessage)); }
void MGlobal::displayWarning(const MString& theMessage) {
  host().output().warning(str(theMessage));
}
void MGlobal::displayError(const MString& theMessage) { host().output().error(str(theMessage)); }

const char* MGlobal::className() { return "MGlobal"; }
