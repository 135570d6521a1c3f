#include "osc/zubCmd_getOSC.h"

#include "osc/ReceiveTurn.h"

zubCmd_getOSC::~zubCmd_getOSC() = default;

void* zubCmd_getOSC::creator() { return new zubCmd_getOSC; }

// Success also when the turn ended with nothing received, or with a datagram
// that was reported as malformed.
MStatus zubCmd_getOSC::doIt(const MArgList& /*args*/) {
  return zub::runReceiveTurn() ? MStatus(MS::kSuccess) : MStatus(MS::kFailure);
}
