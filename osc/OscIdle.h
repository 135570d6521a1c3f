// The idle-event side of OSC reception, and the one switch that turns it on
// and off.
#pragma once

namespace zub {

// Registered for the host's "idle" event while OSC is on; each call runs the
// MEL command zubCmd_getOSC (one receive turn). `clientData` is not used.
void oscIdleCallback(void* clientData);

// Registers oscIdleCallback for the idle event and marks OSC as on.
void switchOscOn();

// Removes the idle callback, forgets its id and marks OSC as off. Does nothing
// when OSC is already off, so it is safe when the plug-in is unloaded.
void switchOscOff();

}  // namespace zub
