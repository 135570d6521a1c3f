// The control tree on its own: naming, paths, the current parent, lookup,
// deletion and the refusals, driven through the C++ API.
#include <gtest/gtest.h>

#include "ui/Ui.h"

namespace {

using ui::Control;
using ui::Kind;

std::string errorOf(const std::function<void()>& fn) {
  try {
    fn();
  } catch (const mel::Error& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(UiTree, UnnamedControlsGetCountedNamesAndFullPaths) {
  ui::Ui ui;
  ui.createWindow("win");
  Control& col = ui.createControl(Kind::ColumnLayout, "");
  Control& b1 = ui.createControl(Kind::Button, "");
  Control& b2 = ui.createControl(Kind::Button, "");
  EXPECT_EQ(col.path(), "win|columnLayout1");
  EXPECT_EQ(b1.path(), "win|columnLayout1|button1");
  EXPECT_EQ(b2.name(), "button2");

  // Counters keep growing after deletion and across windows.
  ui.deleteControl(ui.get("win"));
  ui.createWindow("");
  EXPECT_EQ(ui.windows().back()->name(), "window1");
  EXPECT_EQ(ui.createControl(Kind::ColumnLayout, "").name(), "columnLayout2");
}

TEST(UiTree, GeneratedNamesStepOverNamesUsersTook) {
  ui::Ui ui;
  ui.createWindow("win");
  ui.createControl(Kind::ColumnLayout, "text1");
  EXPECT_EQ(ui.createControl(Kind::Text, "").name(), "text2");
}

TEST(UiTree, LayoutsBecomeTheCurrentParentAndControlsDoNot) {
  ui::Ui ui;
  Control& win = ui.createWindow("win");
  EXPECT_EQ(ui.currentParent(), &win);
  Control& col = ui.createControl(Kind::ColumnLayout, "col");
  Control& row = ui.createControl(Kind::RowLayout, "row");
  ui.createControl(Kind::Button, "b");
  EXPECT_EQ(ui.currentParent(), &row);

  EXPECT_EQ(&ui.parentUp(), &col);
  EXPECT_EQ(&ui.parentUp(), &win);
  EXPECT_EQ(errorOf([&] { ui.parentUp(); }), "setParent: Already at top level.");
  EXPECT_EQ(ui.currentParent(), &win);

  EXPECT_EQ(errorOf([&] { ui.setCurrentParent(&ui.get("b")); }),
            "setParent: Object 'b' is not a layout or window.");
  EXPECT_EQ(ui.currentParent(), &win);
}

TEST(UiTree, RefusalsLeaveTheTreeUnchanged) {
  // (No window, no layout and repeated window names are covered through MEL.)
  ui::Ui ui;
  ui.createWindow("win");
  ui.createControl(Kind::FrameLayout, "frame");
  ui.createControl(Kind::ColumnLayout, "inner");
  ui.setCurrentParent(&ui.get("frame"));
  EXPECT_EQ(errorOf([&] { ui.createControl(Kind::Text, "t"); }),
            "Too many children in layout: frame");

  ui.setCurrentParent(&ui.get("inner"));
  ui.createControl(Kind::Text, "t");
  EXPECT_EQ(errorOf([&] { ui.createControl(Kind::Button, "t"); }),
            "Object's name 't' is not unique.");
  EXPECT_EQ(errorOf([&] { ui.createControl(Kind::Button, "bad name"); }),
            "Invalid object name: 'bad name'.");

  EXPECT_EQ(ui.windows().size(), 1u);
  EXPECT_EQ(ui.treeText(),
            "window win \"win\" hidden\n"
            "  frameLayout frame \"frame\"\n"
            "    columnLayout inner\n"
            "      text t \"t\"\n");
}

TEST(UiTree, FindsByShortNamePathAndPathTail) {
  ui::Ui ui;
  ui.createWindow("a");
  ui.createControl(Kind::ColumnLayout, "col");
  Control& inA = ui.createControl(Kind::Button, "go");
  ui.createWindow("b");
  ui.createControl(Kind::ColumnLayout, "col");
  Control& inB = ui.createControl(Kind::Button, "go");

  EXPECT_EQ(ui.find("a|col|go"), &inA);
  EXPECT_EQ(ui.find("|a|col|go"), &inA);
  EXPECT_EQ(ui.find("b|col|go"), &inB);
  EXPECT_EQ(ui.find("nothing"), nullptr);
  EXPECT_EQ(ui.find("col|nothing"), nullptr);

  // A shared short name resolves within the current parent's window...
  EXPECT_EQ(ui.find("go"), &inB);
  ui.setCurrentParent(&ui.get("a"));
  EXPECT_EQ(ui.find("go"), &inA);
  EXPECT_EQ(ui.find("col|go"), &inA);
  // ...and is an error when that does not settle it.
  ui.setCurrentParent(nullptr);
  EXPECT_EQ(errorOf([&] { ui.find("go"); }), "More than one object matches name: go");
}

TEST(UiTree, UniqueShortNamesAreFoundWithOrWithoutTheirKind) {
  ui::Ui ui;
  ui.createWindow("w");
  ui.createControl(Kind::ColumnLayout, "col");
  Control& field = ui.createControl(Kind::TextField, "tf");
  ui.createControl(Kind::Button, "tf2");

  EXPECT_EQ(ui.find("tf"), &field);
  EXPECT_EQ(ui.find("|tf"), &field);  // a leading bar alone does not make a path
  EXPECT_EQ(ui.find("tf", Kind::TextField), &field);
  EXPECT_EQ(ui.find("tf", Kind::Button), nullptr);
  EXPECT_EQ(ui.find("t"), nullptr);
  EXPECT_EQ(&ui.get("w|col|tf", Kind::TextField), &field);
  EXPECT_EQ(errorOf([&] { ui.get("tf", Kind::Button); }), "Object 'tf' is not a button.");
  EXPECT_EQ(errorOf([&] { ui.get("tf3", Kind::Button); }), "Object 'tf3' not found.");
}

TEST(UiTree, LookupFollowsDeletionsClearsAndWholePathSegments) {
  ui::Ui ui;
  ui.createWindow("a");
  ui.createControl(Kind::ColumnLayout, "col");
  Control& first = ui.createControl(Kind::Button, "go");
  ui.createWindow("b");
  Control& col = ui.createControl(Kind::ColumnLayout, "col");
  ui.createControl(Kind::Button, "go");

  EXPECT_EQ(ui.find("ol|go"), nullptr);  // a tail matches whole names only
  EXPECT_EQ(ui.find("a|col|"), nullptr);
  EXPECT_EQ(ui.find("|"), nullptr);

  ui.deleteControl(col);  // the other "go" is found alone again
  ui.setCurrentParent(nullptr);
  EXPECT_EQ(ui.find("go"), &first);
  EXPECT_EQ(ui.find("b|col|go"), nullptr);

  ui.clear();
  EXPECT_EQ(ui.find("go"), nullptr);
  EXPECT_EQ(ui.find("a"), nullptr);
  ui.createWindow("a");
  ui.createControl(Kind::ColumnLayout, "col");
  Control& again = ui.createControl(Kind::Button, "go");
  EXPECT_EQ(ui.find("a|col|go"), &again);
  EXPECT_EQ(ui.find("go"), &again);
}

TEST(UiTree, GetReportsMissingAndWrongKind) {
  ui::Ui ui;
  ui.createWindow("win");
  ui.createControl(Kind::ColumnLayout, "");
  ui.createControl(Kind::TextField, "tf");
  EXPECT_EQ(errorOf([&] { ui.get("x"); }), "Object 'x' not found.");
  EXPECT_EQ(errorOf([&] { ui.get("tf", Kind::Button); }), "Object 'tf' is not a button.");
  EXPECT_EQ(errorOf([&] { ui.value("tf"); }), "Object 'tf' is not a slider.");
  EXPECT_EQ(errorOf([&] { ui.label("tf"); }), "Object 'tf' has no label.");
  EXPECT_EQ(ui.text("tf"), "");
}

TEST(UiTree, DeletingRemovesChildrenAndMovesTheCurrentParentOut) {
  ui::Ui ui;
  ui.createWindow("win");
  Control& outer = ui.createControl(Kind::ColumnLayout, "outer");
  Control& inner = ui.createControl(Kind::ColumnLayout, "inner");
  ui.createControl(Kind::Button, "b");
  ui.createControl(Kind::RowLayout, "row");

  ui.deleteControl(inner);
  EXPECT_EQ(ui.currentParent(), &outer);
  EXPECT_EQ(ui.find("b"), nullptr);
  EXPECT_EQ(ui.find("row"), nullptr);
  EXPECT_TRUE(outer.children().empty());

  ui.deleteControl(ui.get("win"));
  EXPECT_EQ(ui.currentParent(), nullptr);
  EXPECT_TRUE(ui.windows().empty());
  EXPECT_EQ(ui.lastWindow(), nullptr);
}

TEST(UiTree, TreeTextShowsEachKindsState) {
  ui::Ui ui;
  Control& win = ui.createWindow("w");
  win.setProp("title", mel::Value("Tool"));
  win.setProp("width", mel::Value(350));
  win.setProp("height", mel::Value(200));
  win.setProp("visible", mel::Value(1));
  ui.createControl(Kind::ColumnLayout, "").setProp("adjustableColumn", mel::Value(1));
  Control& row = ui.createControl(Kind::RowLayout, "");
  row.setProp("numberOfColumns", mel::Value(2));
  row.setProp("adjustableColumn", mel::Value(2));
  ui.createControl(Kind::Text, "").setProp("label", mel::Value("say \"hi\""));
  Control& tf = ui.createControl(Kind::TextField, "tf");
  tf.setProp("editable", mel::Value(0));
  Control& b = ui.createControl(Kind::Button, "b");
  b.setProp("actOnPress", mel::Value(1));
  b.setProp("enable", mel::Value(0));
  Control& fs = ui.createControl(Kind::FloatSlider, "fs");
  fs.setProp("maxValue", mel::Value(10.0));
  fs.setProp("value", mel::Value(25.0));
  fs.setProp("step", mel::Value(0.1));
  ui.createControl(Kind::IntSlider, "is");

  EXPECT_EQ(ui.treeText(),
            "window w \"Tool\" 350x200 visible\n"
            "  columnLayout columnLayout1 adjustable\n"
            "    rowLayout rowLayout1 columns=2 adjustable=2\n"
            "      text text1 \"say \\\"hi\\\"\"\n"
            "      textField tf \"\" readonly\n"
            "      button b \"b\" actOnPress disabled\n"
            "      floatSlider fs value=25 [0..10] step=0.1\n"
            "      intSlider is value=0 [0..100] step=1\n");
  EXPECT_EQ(ui.treeText(&b), "button b \"b\" actOnPress disabled\n");
  EXPECT_DOUBLE_EQ(ui.value("fs"), 25.0);
}

}  // namespace
