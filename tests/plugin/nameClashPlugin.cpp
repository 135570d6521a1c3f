// A plug-in that holds one of zubBase's command names, zubCmd_showHiderWindow,
// for a command that returns "nameClash".
#include <maya/MArgList.h>
#include <maya/MFnPlugin.h>
#include <maya/MObject.h>
#include <maya/MPxCommand.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

namespace {

class ClashingCommand : public MPxCommand {
 public:
  static void* creator() { return new ClashingCommand; }
  MStatus doIt(const MArgList&) override {
    setResult(MString("nameClash"));
    return MS::kSuccess;
  }
};

constexpr char kClashingName[] = "zubCmd_showHiderWindow";

}  // namespace

PLUGIN_EXPORT MStatus initializePlugin(MObject obj) {
  MFnPlugin plugin(obj, "zubBase tests", "1.0", "Any");
  return plugin.registerCommand(kClashingName, ClashingCommand::creator);
}

PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj) {
  MFnPlugin plugin(obj);
  return plugin.deregisterCommand(kClashingName);
}
