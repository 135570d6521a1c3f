// The plug-in's entry points: the eight commands, registered in a fixed order.
// This is the one file that includes MFnPlugin.h without MNoVersionString, so
// it alone defines MApiVersion.
#include <maya/MFnPlugin.h>
#include <maya/MGlobal.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include "generators/zubCmd_boxesFromImage.h"
#include "generators/zubCmd_zubNode001.h"
#include "hider/zubCmd_changeHiderRadius.h"
#include "hider/zubCmd_getSelectedObject.h"
#include "hider/zubCmd_showHiderWindow.h"
#include "osc/OscIdle.h"
#include "osc/zubCmd_changeOSCValues.h"
#include "osc/zubCmd_getOSC.h"
#include "osc/zubCmd_toggleOSC.h"
#include "plugin/PluginState.h"

namespace {

constexpr char kVendor[] = "zubBase";
constexpr char kVersion[] = "1.0";

struct CommandEntry {
  const char* name;
  MCreatorFunction creator;
  MCreateSyntaxFunction syntax;  // null: the command takes no flags
};

// Registration order; unloading walks the same order.
const CommandEntry kCommands[] = {
    {zubCmd_getSelectedObject::kName, zubCmd_getSelectedObject::creator,
     zubCmd_getSelectedObject::newSyntax},
    {zubCmd_showHiderWindow::kName, zubCmd_showHiderWindow::creator, nullptr},
    {zubCmd_changeHiderRadius::kName, zubCmd_changeHiderRadius::creator,
     zubCmd_changeHiderRadius::newSyntax},
    {zubCmd_boxesFromImage::kName, zubCmd_boxesFromImage::creator,
     zubCmd_boxesFromImage::newSyntax},
    {zubCmd_zubNode001::kName, zubCmd_zubNode001::creator, nullptr},
    {zubCmd_getOSC::kName, zubCmd_getOSC::creator, nullptr},
    {zubCmd_toggleOSC::kName, zubCmd_toggleOSC::creator, nullptr},
    {zubCmd_changeOSCValues::kName, zubCmd_changeOSCValues::creator,
     zubCmd_changeOSCValues::newSyntax},
};

}  // namespace

// A name another plug-in already holds is refused by the host; the other
// commands are registered all the same and the load succeeds.
PLUGIN_EXPORT MStatus initializePlugin(MObject obj) {
  if (!pluginState.oscSocket) {
    MGlobal::displayError(MString("zubBase: ") + pluginState.socketError.c_str());
    return MS::kFailure;
  }
  MFnPlugin plugin(obj, kVendor, kVersion, "Any");
  for (const CommandEntry& command : kCommands) {
    plugin.registerCommand(command.name, command.creator, command.syntax);
  }
  return MS::kSuccess;
}

PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj) {
  // The idle callback points into this library; it must not outlive it.
  zub::switchOscOff();
  MFnPlugin plugin(obj);
  for (const CommandEntry& command : kCommands) {
    plugin.deregisterCommand(command.name);
  }
  return MS::kSuccess;
}
