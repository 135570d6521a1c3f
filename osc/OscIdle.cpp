#include "osc/OscIdle.h"

#include <maya/MEventMessage.h>
#include <maya/MMessage.h>

#include "osc/zubCmd_getOSC.h"
#include "plugin/PluginState.h"
#include "plugin/RunMel.h"

namespace zub {

void oscIdleCallback(void* /*clientData*/) { zub::runMel(zubCmd_getOSC::kName); }

void switchOscOn() {
  if (pluginState.oscEnabled) return;
  pluginState.idleCallbackId = MEventMessage::addEventCallback("idle", oscIdleCallback);
  pluginState.oscEnabled = true;
}

void switchOscOff() {
  if (!pluginState.oscEnabled) return;
  MMessage::removeCallback(pluginState.idleCallbackId);
  pluginState.idleCallbackId = 0;
  pluginState.oscEnabled = false;
}

}  // namespace zub
