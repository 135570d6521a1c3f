// Plug-in commands through MFnPlugin and the host's command dispatch.
#include <gtest/gtest.h>
#include <maya/MArgDatabase.h>
#include <maya/MArgList.h>
#include <maya/MDGModifier.h>
#include <maya/MFnPlugin.h>
#include <maya/MGlobal.h>
#include <maya/MObject.h>
#include <maya/MPxCommand.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MSyntax.h>

#include "HostFixture.h"
#include "scene/Scene.h"

namespace {

int destroyed = 0;  // command objects deleted so far

class Counted : public MPxCommand {
 public:
  ~Counted() override { ++destroyed; }
};

// Undoable: makes a transform through its modifier.
class MakeNode : public Counted {
 public:
  static void* creator() { return new MakeNode; }
  MStatus doIt(const MArgList&) override {
    mod_.createNode("transform");
    return redoIt();
  }
  MStatus redoIt() override { return mod_.doIt(); }
  MStatus undoIt() override { return mod_.undoIt(); }
  bool isUndoable() const override { return true; }

 private:
  MDGModifier mod_;
};

// Not undoable: answers "hello <n>" for -n, reading its flag through MArgDatabase.
class Hello : public Counted {
 public:
  static void* creator() { return new Hello; }
  static MSyntax newSyntax() {
    MSyntax s;
    s.addFlag("-n", "-number", MSyntax::kLong);
    return s;
  }
  MStatus doIt(const MArgList& args) override {
    MArgDatabase db(syntax(), args);
    int n = 0;
    db.getFlagArgument("-n", 0, n);
    clearResult();
    setResult(MString("hello ") + n);
    return MS::kSuccess;
  }
};

// Builds an array result around a nested command that has its own result.
class Outer : public Counted {
 public:
  static void* creator() { return new Outer; }
  MStatus doIt(const MArgList& args) override {
    appendToResult(args.length() > 0 ? args.asInt(0) : 1);
    MString inner;
    MGlobal::executeCommand("apiHello -n 7", inner);
    appendToResult(inner == "hello 7" ? 2 : -1);
    return MS::kSuccess;
  }
};

class Fail : public Counted {
 public:
  static void* creator() { return new Fail; }
  MStatus doIt(const MArgList&) override {
    displayError("apiFail: no luck");
    return MS::kFailure;
  }
};

class Commands : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    destroyed = 0;
    index = host().beginPlugin("apiTestPlugin", "/nowhere/apiTestPlugin.so");
    MObject obj = MFnPlugin::findPlugin("apiTestPlugin");
    MFnPlugin plugin(obj, "Tests", "2.0");
    ASSERT_TRUE(plugin.registerCommand("apiMakeNode", MakeNode::creator));
    ASSERT_TRUE(plugin.registerCommand("apiHello", Hello::creator, Hello::newSyntax));
    ASSERT_TRUE(plugin.registerCommand("apiOuter", Outer::creator));
    ASSERT_TRUE(plugin.registerCommand("apiFail", Fail::creator));
  }
  void TearDown() override {
    host().dropPluginRegistrations(index);
    host().endPlugin(index);
    HostTest::TearDown();
  }

  int index = -1;
};

}  // namespace

TEST_F(Commands, RegistrationIsRecordedPerPlugin) {
  EXPECT_EQ(host().commandsOf(index),
            (std::vector<std::string>{"apiMakeNode", "apiHello", "apiOuter", "apiFail"}));
  MObject obj = MFnPlugin::findPlugin("apiTestPlugin");
  MFnPlugin again(obj, "Other", "9");
  EXPECT_STREQ(again.vendor().asChar(), "Tests");  // the first MFnPlugin's
  EXPECT_STREQ(again.name().asChar(), "apiTestPlugin");
  EXPECT_FALSE(again.registerCommand("apiHello", Hello::creator));  // taken
  EXPECT_FALSE(again.registerCommand("polyCube", Hello::creator));  // built-in
  EXPECT_TRUE(again.deregisterCommand("apiOuter"));
  EXPECT_FALSE(host().mel().hasCommand("apiOuter"));
  EXPECT_FALSE(again.deregisterCommand("polyCube"));  // not this plug-in's
  EXPECT_TRUE(MFnPlugin::findPlugin("apiTestPlugin") == obj);
}

TEST_F(Commands, UndoableObjectIsKeptUntilTheQueueDropsIt) {
  mel("apiMakeNode");
  EXPECT_EQ(mel("objExists transform1").asInt(), 1);
  EXPECT_EQ(destroyed, 0);
  EXPECT_EQ(host().scene().undoQueue().undoLabel(), "apiMakeNode");
  mel("undo");
  EXPECT_EQ(mel("objExists transform1").asInt(), 0);
  mel("redo");
  EXPECT_EQ(mel("objExists transform1").asInt(), 1);
  EXPECT_EQ(destroyed, 0);
  mel("flushUndo");
  EXPECT_EQ(destroyed, 1);
}

TEST_F(Commands, UndoOffDeletesEvenAnUndoableObject) {
  ASSERT_TRUE(host().execute("apiMakeNode", false, false));
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(host().scene().undoQueue().undoCount(), 0u);
  EXPECT_EQ(mel("objExists transform1").asInt(), 1);
}

TEST_F(Commands, NonUndoableObjectIsDeletedAndResultReturned) {
  EXPECT_EQ(mel("apiHello -n 3").asString(), "hello 3");
  EXPECT_EQ(mel("apiHello -number 4").asString(), "hello 4");
  EXPECT_EQ(destroyed, 2);
  EXPECT_EQ(host().scene().undoQueue().undoCount(), 0u);
  EXPECT_EQ(mel("string $s = `apiHello`; $s").asString(), "hello 0");
}

TEST_F(Commands, ResultsArePerCall) {
  mel::Value v = mel("apiOuter 5");
  EXPECT_EQ(v.type(), mel::ValueType::IntArray);
  EXPECT_EQ(v.asIntArray(), (std::vector<int>{5, 2}));
  EXPECT_EQ(mel("int $a[] = `apiOuter`; size($a)").asInt(), 2);
}

TEST_F(Commands, FailureStopsTheScriptAndCanBeCaught) {
  EXPECT_FALSE(host().execute("apiFail; createNode transform;", false, true));
  EXPECT_NE(out.text().find("// Error: apiFail: no luck //"), std::string::npos);
  EXPECT_NE(out.text().find("(kFailure)"), std::string::npos);
  EXPECT_EQ(host().scene().nodeCount(), 0u);
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(mel("catch(`apiFail`)").asInt(), 1);
}

TEST_F(Commands, DroppingThePluginRemovesCommandsAndKeptObjects) {
  mel("apiMakeNode");
  EXPECT_EQ(destroyed, 0);
  host().dropPluginRegistrations(index);
  EXPECT_EQ(destroyed, 1);
  EXPECT_FALSE(host().mel().hasCommand("apiHello"));
  EXPECT_TRUE(host().commandsOf(index).empty());
  EXPECT_FALSE(host().execute("apiHello", false, false));
}

namespace {

class Mixed : public Counted {
 public:
  static void* creator() { return new Mixed; }
  MStatus doIt(const MArgList&) override {
    appendToResult(1);
    appendToResult("two");
    appendToResult(3.5);
    return MS::kSuccess;
  }
};

}  // namespace

TEST_F(Commands, MixedAppendsBecomeAStringArray) {
  MObject obj = MFnPlugin::findPlugin("apiTestPlugin");
  MFnPlugin plugin(obj);
  ASSERT_TRUE(plugin.registerCommand("apiMixed", Mixed::creator));
  EXPECT_EQ(mel("apiMixed").asStringArray(), (std::vector<std::string>{"1", "two", "3.5"}));
}

namespace {

// Describes each argument by what it reads as: i(nt), d(ouble) or s(tring only).
class Probe : public Counted {
 public:
  static void* creator() { return new Probe; }
  MStatus doIt(const MArgList& args) override {
    MString kinds;
    for (unsigned int i = 0; i < args.length(); ++i) {
      MStatus asInt, asDouble;
      args.asInt(i, &asInt);
      args.asDouble(i, &asDouble);
      kinds += asInt ? "i" : asDouble ? "d" : "s";
    }
    setResult(kinds);
    return MS::kSuccess;
  }
};

}  // namespace

TEST_F(Commands, ArgumentsReachDoItAsGiven) {
  MObject obj = MFnPlugin::findPlugin("apiTestPlugin");
  MFnPlugin plugin(obj);
  ASSERT_TRUE(plugin.registerCommand("apiProbe", Probe::creator));
  EXPECT_EQ(mel("apiProbe 3 2.5 word \"7\" -flag").asString(), "idsis");
  EXPECT_EQ(mel("apiProbe(1.0, \"x\")").asString(), "is");  // 1.0 reads as an int too
}
