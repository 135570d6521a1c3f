#include "hider/zubCmd_getSelectedObject.h"

#include <maya/MArgDatabase.h>
#include <maya/MDagPath.h>
#include <maya/MFn.h>
#include <maya/MFnMesh.h>
#include <maya/MGlobal.h>
#include <maya/MItSelectionList.h>
#include <maya/MSelectionList.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>

#include "hider/HiderLabels.h"
#include "plugin/PluginState.h"

bool zubCmd_getSelectedObject::pickAsHider = true;

void* zubCmd_getSelectedObject::creator() { return new zubCmd_getSelectedObject; }

MSyntax zubCmd_getSelectedObject::newSyntax() {
  MSyntax syntax;
  syntax.addFlag(kIsHiderFlag, kIsHiderFlagLong, MSyntax::kBoolean);
  return syntax;
}

zubCmd_getSelectedObject::~zubCmd_getSelectedObject() = default;

namespace {

// How the selection names its first item, for messages.
MString firstItemName(MItSelectionList& items) {
  MStringArray names;
  items.getStrings(names);
  if (names.length() > 0) return names[0];
  return "the first selected item";
}

}  // namespace

MStatus zubCmd_getSelectedObject::doIt(const MArgList& args) {
  // A bad argument fails the call only when there is nothing to pick.
  MStatus parsed;
  MArgDatabase db(syntax(), args, &parsed);
  if (db.isFlagSet(kIsHiderFlag)) db.getFlagArgument(kIsHiderFlag, 0, pickAsHider);

  MSelectionList selection;
  MGlobal::getActiveSelectionList(selection);
  MItSelectionList items(selection, MFn::kInvalid);
  if (items.isDone()) {
    // The window's button takes our result as its label: keep the one it has.
    clearResult();
    setResult(pickLabel(pickAsHider));
    return parsed;
  }

  MDagPath path;
  MFnMesh probe;
  if (!items.getDagPath(path) || !probe.setObject(path)) {
    MGlobal::displayError(MString(kName) + ": " + firstItemName(items) +
                          " is not a polygon mesh; select a mesh and try again");
    return MS::kFailure;
  }

  MFnMesh& mesh = pickAsHider ? pluginState.hiderMesh : pluginState.hiddenMesh;
  bool& picked = pickAsHider ? pluginState.hiderPicked : pluginState.hiddenPicked;
  picked = true;
  mesh.setObject(path);
  MGlobal::displayInfo(MString("Object selected: ") + mesh.name());
  clearResult();
  setResult(mesh.name());
  return MS::kSuccess;
}
