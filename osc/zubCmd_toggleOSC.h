// zubCmd_toggleOSC: switches idle-driven OSC reception on or off. Switching on
// creates a zubNode_OSC node (undoable) and registers the idle callback;
// switching off removes the callback. Undo reverts only the node creation:
// the switch itself and the callback stay as they are.
#pragma once

#include <maya/MArgList.h>
#include <maya/MDGModifier.h>
#include <maya/MPxCommand.h>
#include <maya/MStatus.h>

class zubCmd_toggleOSC : public MPxCommand {
 public:
  static constexpr char kName[] = "zubCmd_toggleOSC";

  ~zubCmd_toggleOSC() override;
  MStatus doIt(const MArgList& args) override;
  MStatus undoIt() override;
  MStatus redoIt() override;
  bool isUndoable() const override;

  static void* creator();

 private:
  MDGModifier modifier_;
};
