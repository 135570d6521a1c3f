// Registers a command, then lets an exception escape initializePlugin: the
// host must survive, report the exception's text and drop the command.
#include <maya/MArgList.h>
#include <maya/MFnPlugin.h>
#include <maya/MObject.h>
#include <maya/MPxCommand.h>
#include <maya/MStatus.h>

#include <stdexcept>

namespace {

class ThrowingCmd : public MPxCommand {
 public:
  static void* creator() { return new ThrowingCmd; }
  MStatus doIt(const MArgList&) override { return MS::kSuccess; }
};

}  // namespace

PLUGIN_EXPORT MStatus initializePlugin(MObject obj) {
  MFnPlugin plugin(obj, "mayasim tests", "1.0", "Any");
  plugin.registerCommand("throwingCmd", ThrowingCmd::creator);
  throw std::runtime_error("port 57110 already in use");
}

PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj) {
  MFnPlugin plugin(obj);
  return plugin.deregisterCommand("throwingCmd");
}
