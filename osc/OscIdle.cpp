#include "osc/OscIdle.h"

#include "osc/zubCmd_getOSC.h"
#include "plugin/host.h"

void oscIdleCallback(void* /*clientData*/) { zub::runMel(zubCmd_getOSC::kName); }
