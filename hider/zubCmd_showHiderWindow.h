// zubCmd_showHiderWindow: opens the hider tool's window, built from the picks
// and the radius recorded so far. An open window is replaced.
#pragma once

#include <maya/MArgList.h>
#include <maya/MPxCommand.h>
#include <maya/MStatus.h>

class zubCmd_showHiderWindow : public MPxCommand {
 public:
  static constexpr char kName[] = "zubCmd_showHiderWindow";

  static void* creator();

  ~zubCmd_showHiderWindow() override;
  MStatus doIt(const MArgList& args) override;
};
