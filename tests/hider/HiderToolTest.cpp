// The hider tool as a user meets it: the window, its buttons and slider
// (through the host's sim commands), and the commands run from scripts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZubBaseFixture.h"
#include "host/Host.h"

namespace zubtest {
namespace {

using Strings = std::vector<std::string>;
constexpr char kNoPick[] = "Select an object and click here";

// The window script as it must read, for the given labels and radius text.
Strings expectedStatements(const std::string& hider, const std::string& hidden,
                           const std::string& radius) {
  const std::string row = "rowLayout -numberOfColumns 2 -adjustableColumn 2 -columnWidth 1 50;";
  const std::string press =
      "\" -actOnPress true -command (\"button -label `zubCmd_getSelectedObject";
  return {
      "window -title \"zubTool - example 001\" -iconName \"zubTool001\" -widthHeight 350 200 "
      "-visible false zubHiderWindow;",
      "columnLayout -adjustableColumn true;",
      "frameLayout -label \"Set objects\" -labelAlign \"center\" -borderStyle \"etchedIn\";",
      "columnLayout;",
      row,
      "text -label \"hider:\";",
      "button -label \"" + hider + press + " -isHider true` -edit btnHider\") btnHider;",
      "setParent ..;",
      row,
      "text -label \"to hide:\";",
      "button -label \"" + hidden + press + " -isHider false` -edit btnTohide\") btnTohide;",
      "setParent ..;",
      "setParent ..;",
      "setParent ..;",
      "frameLayout -label \"Settings\" -labelAlign \"center\" -borderStyle \"etchedIn\";",
      "columnLayout;",
      row,
      "text -label \"radius (0-10):\";",
      "floatSlider -min 0 -max 10 -value " + radius +
          " -changeCommand \"zubCmd_changeHiderRadius -r `floatSlider -query -value "
          "radiusSlider`\" -step 0.1 radiusSlider;",
      "setParent ..;",
      "setParent ..;",
      "setParent ..;",
      "window -visible true -edit zubHiderWindow;"};
}

// The statements of a script; only tabs and spaces may stand between them.
Strings statementsOf(const std::string& script) {
  Strings statements(1);
  for (const char c : script) {
    if (statements.back().empty() && (c == ' ' || c == '\t')) continue;
    statements.back() += c;
    if (c == ';') statements.emplace_back();
  }
  if (statements.back().empty()) statements.pop_back();
  return statements;
}

class HiderTool : public ZubBaseHost {
 protected:
  void SetUp() override {
    ZubBaseHost::SetUp();
    ASSERT_TRUE(loadZubBase() && mel("polyCube; polyCube; polyCube; select -cl;")) << takeOutput();
    takeOutput();
  }
  bool openWindow() { return mel("zubCmd_showHiderWindow;"); }
  std::string hiderLabel() { return evalText("button -q -label btnHider"); }
  std::string hiddenLabel() { return evalText("button -q -label btnTohide"); }
  double slider() { return eval("floatSlider -q -value radiusSlider").asFloat(); }
  void expectWindowShows(const std::string& hider, const std::string& hidden) {
    ASSERT_TRUE(openWindow()) << takeOutput();
    EXPECT_EQ(hiderLabel(), hider);
    EXPECT_EQ(hiddenLabel(), hidden);
  }
  // The window script the last opening ran, from the host's trace.
  std::string windowScript() {
    mayasim::host().setTraceRecording(true);
    mayasim::host().clearTrace();
    EXPECT_TRUE(openWindow()) << takeOutput();
    for (const mayasim::TraceEntry& entry : mayasim::host().trace()) {
      if (entry.text.find("-visible false zubHiderWindow;") == std::string::npos) continue;
      EXPECT_FALSE(entry.display || entry.undo) << "no echo, and no undo chunk";
      return entry.text;
    }
    return "";
  }
};

TEST_F(HiderTool, UserPicksBothObjectsMovesTheSliderAndReopens) {
  ASSERT_TRUE(openWindow()) << takeOutput();
  EXPECT_EQ(hiderLabel(), kNoPick);
  EXPECT_EQ(hiddenLabel(), kNoPick);
  EXPECT_EQ(slider(), 0.0);

  ASSERT_TRUE(mel("select -r pCube1; simPress btnHider;"));
  EXPECT_EQ(hiderLabel(), "pCubeShape1");
  EXPECT_EQ(hiddenLabel(), kNoPick);
  EXPECT_EQ(takeOutput(), "Object selected: pCubeShape1\n");
  ASSERT_TRUE(mel("select -r pCube2; simPress btnTohide;"));
  EXPECT_EQ(hiddenLabel(), "pCubeShape2");
  ASSERT_TRUE(mel("simSetValue radiusSlider 6.5;"));

  // Opening again while it is open replaces the window, showing the state.
  takeOutput();
  expectWindowShows("pCubeShape1", "pCubeShape2");
  EXPECT_EQ(slider(), 6.5);
  EXPECT_EQ(takeOutput(), "");
  EXPECT_EQ(eval("simWindows").asStringArray(), Strings{"zubHiderWindow"});
}

TEST_F(HiderTool, WindowScriptIsTheExactStatementSequence) {
  const std::string script = windowScript();
  EXPECT_EQ(script.find('\n'), std::string::npos) << "one line of MEL";
  EXPECT_EQ(statementsOf(script), expectedStatements(kNoPick, kNoPick, "0"));

  ASSERT_TRUE(mel("select -r pCube1; zubCmd_getSelectedObject; zubCmd_changeHiderRadius -r 2.5;"));
  EXPECT_EQ(statementsOf(windowScript()), expectedStatements("pCubeShape1", kNoPick, "2.5"));
  // A script may store what the slider cannot: it goes into -value as it is.
  ASSERT_TRUE(mel("zubCmd_changeHiderRadius -r 25;"));
  EXPECT_EQ(statementsOf(windowScript())[18], expectedStatements("", "", "25")[18]);
  ASSERT_TRUE(mel("zubCmd_changeHiderRadius -r -3; zubCmd_changeHiderRadius;"));
  EXPECT_EQ(statementsOf(windowScript())[18], expectedStatements("", "", "-3")[18]);
}

TEST_F(HiderTool, PickRoleCarriesOverAndOnlyTheFirstSelectedObjectCounts) {
  EXPECT_EQ(evalText("select -r pCube3 pCube1; zubCmd_getSelectedObject"), "pCubeShape3");
  EXPECT_EQ(takeOutput(), "Object selected: pCubeShape3\n");
  EXPECT_EQ(evalText("select -r pCube2; zubCmd_getSelectedObject -isHider false"), "pCubeShape2");
  EXPECT_EQ(evalText("select -r pCube1; zubCmd_getSelectedObject"), "pCubeShape1");
  expectWindowShows("pCubeShape3", "pCubeShape1");
}

TEST_F(HiderTool, NothingSelectedChangesNothingAndKeepsTheLabel) {
  ASSERT_TRUE(openWindow());
  ASSERT_TRUE(mel("simPress btnHider; simPress btnTohide;"));
  EXPECT_EQ(hiderLabel(), kNoPick);
  EXPECT_EQ(hiddenLabel(), kNoPick);

  ASSERT_TRUE(mel("select -r pCube1; simPress btnHider; select -cl;"));
  takeOutput();
  ASSERT_TRUE(mel("simPress btnHider;"));
  EXPECT_EQ(hiderLabel(), "pCubeShape1");
  EXPECT_EQ(evalText("zubCmd_getSelectedObject -isHider false"), kNoPick);
  EXPECT_EQ(takeOutput(), "") << "no message when nothing is picked";
  // The role given there counts for the next pick.
  ASSERT_TRUE(mel("select -r pCube2; zubCmd_getSelectedObject;"));
  expectWindowShows("pCubeShape1", "pCubeShape2");
}

TEST_F(HiderTool, SomethingThatIsNotAMeshIsRefusedAndChangesNothing) {
  ASSERT_TRUE(mel("createNode transform -n emptyGroup; createNode polyCube -n cubeMaker;"));
  const std::string light = evalText("createNode pointLight");
  ASSERT_TRUE(mel("select -r pCube1; zubCmd_getSelectedObject; zubCmd_showHiderWindow;"));
  takeOutput();
  for (const std::string& name : {std::string("emptyGroup"), std::string("cubeMaker"), light}) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(mel("select -r " + name + ";"));
    EXPECT_FALSE(mel("zubCmd_getSelectedObject;"));
    mel("simPress btnHider;");
    const std::string out = takeOutput();
    EXPECT_NE(out.find("// Error: zubCmd_getSelectedObject: " + name + " is not a polygon mesh"),
              std::string::npos)
        << out;
    EXPECT_EQ(out.find("Object selected"), std::string::npos) << out;
    EXPECT_EQ(hiderLabel(), "pCubeShape1");
  }
  expectWindowShows("pCubeShape1", kNoPick);
}

}  // namespace
}  // namespace zubtest
