// The UI through MEL: scripts build windows, act as the user with the sim
// commands, and read back what the controls hold.
#include <gtest/gtest.h>

#include "mel/Interpreter.h"
#include "ui/Ui.h"

namespace {

class UiCommands : public ::testing::Test {
 protected:
  UiCommands() : interp(out) { ui::registerUiCommands(interp, ui); }

  // Runs a script that must succeed; returns its value.
  mel::Value ok(const std::string& src) {
    mel::RunResult r = interp.run(src);
    EXPECT_TRUE(r.ok) << src << "\n" << out.text();
    return r.value;
  }

  // Runs a script that must fail; returns what it printed.
  std::string fails(const std::string& src) {
    out.clear();
    EXPECT_FALSE(interp.run(src).ok) << src;
    return out.text();
  }

  // A window with one column layout, the usual start of a test.
  void openWindow() { ok("window win; columnLayout col;"); }

  mel::CaptureOutput out;
  mel::Interpreter interp;
  ui::Ui ui;
};

TEST_F(UiCommands, ToolWindowWorksEndToEnd) {
  ok(R"mel(
    window -title "Tool" -widthHeight 300 120 toolWin;
    columnLayout -adjustableColumn true;
    frameLayout -label "Channel" -labelAlign "center" -borderStyle "etchedIn";
    columnLayout;
    rowLayout -numberOfColumns 2 -adjustableColumn 2 -columnWidth 1 50;
    text -label "name:";
    textField -text "none" tfName;
    setParent ..;
    button -label "Fill" -command "textField -edit -text \"filled\" tfName" btnFill;
    floatSlider -min 0 -max 10 -value 2 -step 0.5
        -changeCommand "print (\"radius \" + `floatSlider -q -value radius` + \"\\n\")" radius;
    showWindow toolWin;
  )mel");
  EXPECT_EQ(ui.text("tfName"), "none");

  ok("simPress btnFill;");
  ok("simSetValue radius 7.5;");
  EXPECT_EQ(ok("textField -q -text tfName;"), mel::Value("filled"));
  EXPECT_NE(out.text().find("radius 7.5\n"), std::string::npos) << out.text();

  mel::Value tree = ok("simUI toolWin;");
  EXPECT_EQ(tree.asString(),
            "window toolWin \"Tool\" 300x120 visible\n"
            "  columnLayout columnLayout1 adjustable\n"
            "    frameLayout frameLayout1 \"Channel\"\n"
            "      columnLayout columnLayout2\n"
            "        rowLayout rowLayout1 columns=2 adjustable=2 widths=50,0\n"
            "          text text1 \"name:\"\n"
            "          textField tfName \"filled\"\n"
            "        button btnFill \"Fill\"\n"
            "        floatSlider radius value=7.5 [0..10] step=0.5\n");

  ok("deleteUI toolWin;");
  EXPECT_EQ(ok("window -exists toolWin;"), mel::Value(0));
  EXPECT_EQ(ok("textField -exists tfName;"), mel::Value(0));
  EXPECT_EQ(ok("columnLayout -exists columnLayout2;"), mel::Value(0));
  EXPECT_EQ(ok("simUI;"), mel::Value(""));
}

TEST_F(UiCommands, ButtonCommandInParenthesesWithBackquotesSetsItsOwnLabel) {
  ok("global proc string pick() { return \"pCube1\"; }");
  ok(R"mel(window w; columnLayout; button -label "Pick" -actOnPress true )mel"
     R"mel(-command ("button -label `pick` -edit btnPick") btnPick;)mel");
  EXPECT_EQ(ok("button -q -actOnPress btnPick;"), mel::Value(1));
  EXPECT_EQ(ok("simPress btnPick;"), mel::Value(1));
  EXPECT_EQ(ui.label("btnPick"), "pCube1");
}

TEST_F(UiCommands, CreateReturnsFullPathsAndSetParentMovesUp) {
  EXPECT_EQ(ok("window w;"), mel::Value("w"));
  EXPECT_EQ(ok("columnLayout;"), mel::Value("w|columnLayout1"));
  EXPECT_EQ(ok("rowLayout;"), mel::Value("w|columnLayout1|rowLayout1"));
  EXPECT_EQ(ok("text;"), mel::Value("w|columnLayout1|rowLayout1|text1"));
  EXPECT_EQ(ok("setParent -q;"), mel::Value("w|columnLayout1|rowLayout1"));
  EXPECT_EQ(ok("setParent ..;"), mel::Value("w|columnLayout1"));
  EXPECT_EQ(ok("button;"), mel::Value("w|columnLayout1|button1"));
  EXPECT_EQ(ok("setParent rowLayout1;"), mel::Value("w|columnLayout1|rowLayout1"));
  EXPECT_EQ(ok("setParent ..; setParent ..;"), mel::Value("w"));
  EXPECT_NE(fails("setParent ..;").find("setParent: Already at top level."), std::string::npos);
  EXPECT_EQ(ok("setParent -q;"), mel::Value("w"));

  EXPECT_EQ(ok("button -q -label button1;"), mel::Value("button1"));  // defaults to its name
  EXPECT_EQ(ok("button -q -parent button1;"), mel::Value("w|columnLayout1"));
  EXPECT_EQ(ok("columnLayout -q -childArray columnLayout1;"),
            mel::Value(std::vector<std::string>{"rowLayout1", "button1"}));
  EXPECT_EQ(ok("columnLayout -q -numberOfChildren columnLayout1;"), mel::Value(2));
}

TEST_F(UiCommands, WindowIsHiddenUntilShown) {
  ok("window -title \"T\" -iconName \"I\" -widthHeight 350 200 w1; window w2;");
  EXPECT_EQ(ok("window -q -visible w1;"), mel::Value(0));
  EXPECT_EQ(ok("window -q -title w1;"), mel::Value("T"));
  EXPECT_EQ(ok("window -q -iconName w1;"), mel::Value("I"));
  EXPECT_EQ(ok("window -q -widthHeight w1;"), mel::Value(std::vector<int>{350, 200}));
  EXPECT_EQ(ok("window -q -title w2;"), mel::Value("w2"));

  ok("showWindow;");  // the most recent window
  EXPECT_EQ(ok("window -q -visible w2;"), mel::Value(1));
  EXPECT_EQ(ok("window -q -visible w1;"), mel::Value(0));
  ok("window -visible true -edit w1;");
  EXPECT_EQ(ok("window -q -vis w1;"), mel::Value(1));
  EXPECT_EQ(ok("simWindows;"), mel::Value(std::vector<std::string>{"w1", "w2"}));
}

TEST_F(UiCommands, QueryEditAndExistsForEachControlKind) {
  openWindow();
  ok("text -label \"a\" t1; textField -text \"a\" -editable false tf1;"
     "button -label \"a\" -command \"print 1\" b1; frameLayout -label \"a\" -collapsable true f1;"
     "setParent ..; rowLayout -numberOfColumns 3 r1; setParent ..;"
     "intSlider -min 1 -max 5 -value 2 is1;");

  EXPECT_EQ(ok("text -q -label t1;"), mel::Value("a"));
  ok("text -e -label \"b\" t1;");
  EXPECT_EQ(ok("text -q -l t1;"), mel::Value("b"));

  EXPECT_EQ(ok("textField -q -editable tf1;"), mel::Value(0));
  ok("textField -text \"abc\" -edit tf1;");  // flag order is free
  EXPECT_EQ(ok("textField -q -tx tf1;"), mel::Value("abc"));

  EXPECT_EQ(ok("button -q -command b1;"), mel::Value("print 1"));
  ok("button -e -c \"print 2\" -l \"go\" b1;");
  EXPECT_EQ(ok("button -q -label b1;"), mel::Value("go"));

  EXPECT_EQ(ok("frameLayout -q -collapsable f1;"), mel::Value(1));
  EXPECT_EQ(ok("frameLayout -q -borderStyle f1;"), mel::Value("in"));

  EXPECT_EQ(ok("rowLayout -q -numberOfColumns r1;"), mel::Value(3));
  ok("rowLayout -e -columnWidth3 10 20 30 -columnWidth2 1 2 r1;");  // only the 3-form counts
  EXPECT_EQ(ok("rowLayout -q -columnWidth r1;"), mel::Value(std::vector<int>{10, 20, 30}));

  EXPECT_EQ(ok("intSlider -q -value is1;"), mel::Value(2));
  EXPECT_EQ(ok("intSlider -q -max is1;"), mel::Value(5));

  for (const char* kind : {"text", "textField", "button", "frameLayout", "rowLayout",
                           "columnLayout", "intSlider", "floatSlider"}) {
    EXPECT_EQ(ok(std::string(kind) + " -exists nothingHere;"), mel::Value(0)) << kind;
  }
  EXPECT_EQ(ok("text -exists t1;"), mel::Value(1));
  EXPECT_EQ(ok("button -exists t1;"), mel::Value(0));  // exists as another kind only
  EXPECT_EQ(ok("columnLayout -exists \"win|col\";"), mel::Value(1));
}

TEST_F(UiCommands, SliderValuesAndTheirCallbacks) {
  openWindow();
  ok("global int $changes = 0;"
     "floatSlider -min 0 -max 10 -value 25 -step 0.1 "
     "-changeCommand \"global int $changes; $changes = $changes + 1;\" -dragCommand \"print "
     "\\\"drag\\\"\" s;");
  // A script-set value is kept as given and fires no callback.
  EXPECT_EQ(ok("floatSlider -q -value s;"), mel::Value(25.0));
  ok("floatSlider -e -value 3 s;");
  EXPECT_EQ(ok("floatSlider -q -v s;"), mel::Value(3.0));
  EXPECT_EQ(interp.global("$changes"), mel::Value(0));

  // The user cannot drag past the ends; each move fires the change command.
  EXPECT_EQ(ok("simSetValue s 12;"), mel::Value(1));
  EXPECT_EQ(ok("floatSlider -q -value s;"), mel::Value(10.0));
  ok("simSetValue s 4.5;");
  EXPECT_EQ(interp.global("$changes"), mel::Value(2));

  out.clear();
  ok("simSetValue -drag s 5;");
  EXPECT_EQ(out.text(), "drag");
  EXPECT_EQ(interp.global("$changes"), mel::Value(2));
  EXPECT_DOUBLE_EQ(ui.value("s"), 5.0);
}

TEST_F(UiCommands, TextFieldCallbacksRunWhenTheUserTypes) {
  openWindow();
  ok("textField -changeCommand \"print \\\"changed \\\"\" -enterCommand \"print \\\"entered\\\"\" "
     "tf;"
     "textField -editable false locked;");
  out.clear();
  ok("simSetValue tf \"hello\";");
  EXPECT_EQ(out.text(), "changed ");
  out.clear();
  ok("simEnter tf \"bye\";");
  EXPECT_EQ(out.text(), "changed entered");
  EXPECT_EQ(ui.text("tf"), "bye");

  EXPECT_NE(fails("simSetValue locked \"x\";").find("'locked' is not editable."),
            std::string::npos);
  EXPECT_EQ(ui.text("locked"), "");
}

TEST_F(UiCommands, FailingCallbackIsReportedAndTheHostGoesOn) {
  openWindow();
  ok("button -command \"error \\\"boom\\\"; print \\\"not reached\\\";\" bad;"
     "button -command \"deleteUI win\" closer;");
  out.clear();
  ok("int $r = `simPress bad`; print (\"after \" + $r);");
  EXPECT_NE(out.text().find("boom"), std::string::npos) << out.text();
  EXPECT_EQ(out.text().find("not reached"), std::string::npos) << out.text();
  EXPECT_NE(out.text().find("after 0"), std::string::npos) << out.text();

  // A callback may delete its own window.
  EXPECT_EQ(ok("simPress closer;"), mel::Value(1));
  EXPECT_TRUE(ui.windows().empty());
}

TEST_F(UiCommands, BadInputGivesMayaErrorsAndChangesNothing) {
  openWindow();
  ok("textField -text \"keep\" tf; button -label \"keep\" b;");
  const std::string before = ui.treeText();

  EXPECT_NE(fails("button -edit -text \"x\" tf;").find("Invalid flag '-text'"), std::string::npos);
  EXPECT_NE(fails("button -edit -label \"x\" tf;").find("Object 'tf' is not a button."),
            std::string::npos);
  EXPECT_NE(fails("textField -q -text nope;").find("Object 'nope' not found."), std::string::npos);
  EXPECT_NE(fails("deleteUI nope;").find("Object 'nope' not found."), std::string::npos);
  EXPECT_NE(fails("deleteUI b nope;").find("Object 'nope' not found."), std::string::npos);
  EXPECT_NE(fails("deleteUI -window b;").find("Object 'b' is not a window."), std::string::npos);
  EXPECT_NE(fails("simPress tf;").find("Object 'tf' is not a button."), std::string::npos);
  EXPECT_NE(fails("simSetValue b 1;").find("'b' is a button and holds no value."),
            std::string::npos);
  EXPECT_NE(fails("frameLayout -borderStyle \"wavy\";").find("Invalid border style 'wavy'."),
            std::string::npos);
  EXPECT_NE(fails("setParent b;").find("is not a layout or window."), std::string::npos);
  EXPECT_EQ(ui.treeText(), before);
  EXPECT_EQ(ok("setParent -q;"), mel::Value("win|col"));
}

TEST_F(UiCommands, RepeatedWindowNameStopsTheScript) {
  ok("window -title \"first\" w; columnLayout; text -label \"one\";");
  std::string printed = fails("window -title \"second\" w; columnLayout; text -label \"two\";");
  EXPECT_NE(printed.find("Object's name 'w' is not unique."), std::string::npos) << printed;
  EXPECT_EQ(ok("window -q -title w;"), mel::Value("first"));
  EXPECT_EQ(ok("text -exists text2;"), mel::Value(0));
}

TEST_F(UiCommands, ControlsNeedAWindowAndALayout) {
  EXPECT_NE(fails("button;").find("No window or layout to add control to."), std::string::npos);
  ok("window w;");
  EXPECT_NE(fails("button;").find("Controls must have a layout. No layout found in window: w"),
            std::string::npos);
  ok("deleteUI -window w;");
  EXPECT_EQ(ok("setParent -q;"), mel::Value("NONE"));
  EXPECT_NE(fails("columnLayout;").find("No window or layout to add control to."),
            std::string::npos);
}

TEST_F(UiCommands, RowWithMoreChildrenThanColumnsWarns) {
  openWindow();
  ok("rowLayout -nc 1; text; ");
  out.clear();
  ok("text;");
  EXPECT_NE(out.text().find("// Warning: Too many children in layout: rowLayout1 //"),
            std::string::npos)
      << out.text();
}

}  // namespace
