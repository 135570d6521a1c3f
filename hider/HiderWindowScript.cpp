#include "hider/HiderWindowScript.h"

#include "plugin/RunMel.h"

const char kCloseHiderWindowScript[] =
    "if (`window -exists zubHiderWindow`) deleteUI zubHiderWindow;";

namespace {

constexpr char kStatementGap[] = "\t\t";
constexpr char kRow[] = "rowLayout -numberOfColumns 2 -adjustableColumn 2 -columnWidth 1 50;";

// A pick button: pressing it runs zubCmd_getSelectedObject with the button's
// role and makes the command's result the button's label.
MString pickButton(const MString& label, const char* isHider, const char* control) {
  return MString("button -label ") + zub::melQuote(label) +
         " -actOnPress true -command (\"button -label `zubCmd_getSelectedObject -isHider " +
         isHider + "` -edit " + control + "\") " + control + ";";
}

}  // namespace

MString hiderWindowScript(const MString& hiderLabel, const MString& hiddenLabel, double radius) {
  const MString statements[] = {
      "window -title \"zubTool - example 001\" -iconName \"zubTool001\" -widthHeight 350 200 "
      "-visible false zubHiderWindow;",
      "columnLayout -adjustableColumn true;",
      "frameLayout -label \"Set objects\" -labelAlign \"center\" -borderStyle \"etchedIn\";",
      "columnLayout;",
      kRow,
      "text -label \"hider:\";",
      pickButton(hiderLabel, "true", "btnHider"),
      "setParent ..;",
      kRow,
      "text -label \"to hide:\";",
      pickButton(hiddenLabel, "false", "btnTohide"),
      "setParent ..;",
      "setParent ..;",
      "setParent ..;",
      "frameLayout -label \"Settings\" -labelAlign \"center\" -borderStyle \"etchedIn\";",
      "columnLayout;",
      kRow,
      "text -label \"radius (0-10):\";",
      MString("floatSlider -min 0 -max 10 -value ") + radius +
          " -changeCommand \"zubCmd_changeHiderRadius -r `floatSlider -query -value radiusSlider`\""
          " -step 0.1 radiusSlider;",
      "setParent ..;",
      "setParent ..;",
      "setParent ..;",
      "window -visible true -edit zubHiderWindow;",
  };
  MString script = kStatementGap;
  for (const MString& statement : statements) {
    script += statement;
    script += kStatementGap;
  }
  return script;
}
