// zubCmd_getOSC: runs one receive turn on the OSC socket. Called by the idle
// callback while OSC is on, or by hand; it does not look at the on/off switch.
#pragma once

#include <maya/MArgList.h>
#include <maya/MPxCommand.h>
#include <maya/MStatus.h>

class zubCmd_getOSC : public MPxCommand {
 public:
  static constexpr char kName[] = "zubCmd_getOSC";

  ~zubCmd_getOSC() override;
  MStatus doIt(const MArgList& args) override;

  static void* creator();
};
