// zubCmd_zubNode001: attaches a zubNode001 rig node to every selected
// transform and wires the transform's channels to it, as one undoable step.
#pragma once

#include <maya/MArgList.h>
#include <maya/MDGModifier.h>
#include <maya/MPxCommand.h>
#include <maya/MStatus.h>

class zubCmd_zubNode001 : public MPxCommand {
 public:
  static constexpr char kName[] = "zubCmd_zubNode001";

  static void* creator();

  ~zubCmd_zubNode001() override;
  MStatus doIt(const MArgList& args) override;
  MStatus undoIt() override;
  MStatus redoIt() override;
  bool isUndoable() const override;

 private:
  // The graph changes of this call; undo and redo replay them.
  MDGModifier modifier_;
};
