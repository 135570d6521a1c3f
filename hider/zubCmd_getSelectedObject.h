// zubCmd_getSelectedObject [-isHider bool]: records the first selected mesh
// as the hider (-isHider true) or as the object to hide (false). The choice
// carries over to later calls without the flag; the first call picks the
// hider. Shows "Object selected: <name>" and returns the mesh's node name.
// With nothing selected nothing changes and the result is the label that
// the role's window button already shows. A selection that is not a
// polygon mesh is refused with an error, and nothing changes.
#pragma once

#include <maya/MArgList.h>
#include <maya/MPxCommand.h>
#include <maya/MStatus.h>
#include <maya/MSyntax.h>

class zubCmd_getSelectedObject : public MPxCommand {
 public:
  static constexpr char kName[] = "zubCmd_getSelectedObject";
  static constexpr char kIsHiderFlag[] = "-i";
  static constexpr char kIsHiderFlagLong[] = "-isHider";

  static void* creator();
  static MSyntax newSyntax();

  ~zubCmd_getSelectedObject() override;
  MStatus doIt(const MArgList& args) override;

  // The role of the next pick: true for the hider. True at load; every
  // -isHider value given overwrites it.
  static bool pickAsHider;
};
