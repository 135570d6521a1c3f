// Counts idle events and, at the count given by `idleQuitAfter N`, prints
// "idle done" and runs `quit` through MGlobal::executeCommand: lets tests see
// that the host keeps firing idle events and that quit from a callback ends it.
#include <maya/MArgList.h>
#include <maya/MEventMessage.h>
#include <maya/MFnPlugin.h>
#include <maya/MGlobal.h>
#include <maya/MMessage.h>
#include <maya/MObject.h>
#include <maya/MPxCommand.h>
#include <maya/MStatus.h>

namespace {

MCallbackId callbackId = 0;
int ticks = 0;
int quitAfter = -1;  // never

void onIdle(void*) {
  ++ticks;
  if (ticks == quitAfter) MGlobal::executeCommand("print \"idle done\\n\"; quit");
}

class IdleQuitAfter : public MPxCommand {
 public:
  static void* creator() { return new IdleQuitAfter; }
  MStatus doIt(const MArgList& args) override {
    MStatus status;
    const int count = args.asInt(0, &status);
    if (!status) return status;
    ticks = 0;
    quitAfter = count;
    return MS::kSuccess;
  }
};

}  // namespace

PLUGIN_EXPORT MStatus initializePlugin(MObject obj) {
  MFnPlugin plugin(obj, "mayasim tests", "1.0", "Any");
  MStatus status;
  callbackId = MEventMessage::addEventCallback("idle", onIdle, nullptr, &status);
  if (!status) return status;
  return plugin.registerCommand("idleQuitAfter", IdleQuitAfter::creator);
}

PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj) {
  MFnPlugin plugin(obj);
  MMessage::removeCallback(callbackId);
  return plugin.deregisterCommand("idleQuitAfter");
}
