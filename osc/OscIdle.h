// The idle-event side of OSC reception.
#pragma once

// Registered for the host's "idle" event while OSC is on; each call runs the
// MEL command zubCmd_getOSC (one receive turn). `clientData` is not used.
void oscIdleCallback(void* clientData);
