#include "osc/zubCmd_toggleOSC.h"

#include <maya/MString.h>

#include "nodes/zubNodeTypes.h"
#include "osc/OscIdle.h"
#include "plugin/PluginState.h"

zubCmd_toggleOSC::~zubCmd_toggleOSC() = default;

void* zubCmd_toggleOSC::creator() { return new zubCmd_toggleOSC; }

// The switch and the callback change at once and stay changed under undo; the
// modifier holds only the node made by a switch-on.
MStatus zubCmd_toggleOSC::doIt(const MArgList& /*args*/) {
  if (pluginState.oscEnabled) {
    zub::switchOscOff();
  } else {
    pluginState.oscNode = modifier_.createNode(MString(zubNodes::kZubNodeOscTypeName));
    zub::switchOscOn();
  }
  return redoIt();
}

MStatus zubCmd_toggleOSC::redoIt() { return modifier_.doIt(); }

MStatus zubCmd_toggleOSC::undoIt() { return modifier_.undoIt(); }

bool zubCmd_toggleOSC::isUndoable() const { return true; }
