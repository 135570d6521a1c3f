// Registers a command, then reports failure from initializePlugin: the host
// must drop the command again and refuse the load.
#include <maya/MArgList.h>
#include <maya/MFnPlugin.h>
#include <maya/MObject.h>
#include <maya/MPxCommand.h>
#include <maya/MStatus.h>

namespace {

class BadInitCmd : public MPxCommand {
 public:
  static void* creator() { return new BadInitCmd; }
  MStatus doIt(const MArgList&) override { return MS::kSuccess; }
};

}  // namespace

PLUGIN_EXPORT MStatus initializePlugin(MObject obj) {
  MFnPlugin plugin(obj, "mayasim tests", "1.0", "Any");
  plugin.registerCommand("badInitCmd", BadInitCmd::creator);
  return MS::kFailure;
}

PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj) {
  MFnPlugin plugin(obj);
  return plugin.deregisterCommand("badInitCmd");
}
