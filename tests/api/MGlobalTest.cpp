// MGlobal (running MEL, messages, selection) and MEventMessage through the host.
#include <gtest/gtest.h>
#include <maya/MDoubleArray.h>
#include <maya/MEventMessage.h>
#include <maya/MGlobal.h>
#include <maya/MIntArray.h>
#include <maya/MMessage.h>
#include <maya/MSelectionList.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "HostFixture.h"
#include "scene/Scene.h"

namespace {

class Globals : public HostTest {};

struct Calls {
  std::vector<std::string> log;
};

}  // namespace

TEST_F(Globals, TheTraceIsKeptOnlyWhileRecording) {
  host().setTraceRecording(false);
  for (int i = 0; i < 100; ++i) ASSERT_TRUE(MGlobal::executeCommand("int $n = 1;"));
  EXPECT_TRUE(host().trace().empty());
  host().setTraceRecording(true);
  ASSERT_TRUE(MGlobal::executeCommand("int $n = 2;"));
  EXPECT_EQ(host().trace().size(), 1u);
  host().setTraceRecording(false);
  EXPECT_TRUE(host().trace().empty());
}

TEST_F(Globals, ExecuteCommandIsTracedAndHonoursTheUndoSwitch) {
  ASSERT_TRUE(MGlobal::executeCommand("createNode transform -n quiet"));
  ASSERT_TRUE(MGlobal::executeCommand("createNode transform -n kept", false, true));
  ASSERT_EQ(host().trace().size(), 2u);
  EXPECT_EQ(host().trace()[0].text, "createNode transform -n quiet");
  EXPECT_FALSE(host().trace()[0].undo);
  EXPECT_TRUE(host().trace()[1].undo);
  EXPECT_EQ(out.text(), "");                              // display off: no echo
  EXPECT_EQ(host().scene().undoQueue().undoCount(), 1u);  // only the second
  mel("undo");
  EXPECT_EQ(mel("objExists kept").asInt(), 0);
  EXPECT_EQ(mel("objExists quiet").asInt(), 1);
}

TEST_F(Globals, DisplayEchoesCommandAndResult) {
  ASSERT_TRUE(MGlobal::executeCommand("polyCube", true));
  EXPECT_EQ(out.text(), "polyCube\n// Result: pCube1 polyCube1 //\n");
}

TEST_F(Globals, FailureIsReportedOnceAndReturned) {
  MStatus st = MGlobal::executeCommand("setAttr nothing.tx 1; createNode transform;");
  EXPECT_EQ(st, MS::kFailure);
  EXPECT_NE(out.text().find("// Error:"), std::string::npos);
  EXPECT_EQ(host().scene().nodeCount(), 0u);  // the script stopped
}

TEST_F(Globals, TypedResults) {
  mel("polyCube; move -a 1 2 3;");
  double d = 0;
  ASSERT_TRUE(MGlobal::executeCommand("getAttr pCube1.ty", d));
  EXPECT_DOUBLE_EQ(d, 2.0);
  int i = 0;
  ASSERT_TRUE(MGlobal::executeCommand("objExists pCube1", i));
  EXPECT_EQ(i, 1);
  MDoubleArray t;
  ASSERT_TRUE(MGlobal::executeCommand("getAttr pCube1.t", t));
  ASSERT_EQ(t.length(), 3u);
  EXPECT_DOUBLE_EQ(t[2], 3.0);
  MStringArray names;
  ASSERT_TRUE(MGlobal::executeCommand("ls -sl", names));
  ASSERT_EQ(names.length(), 1u);
  EXPECT_STREQ(names[0].asChar(), "pCube1");
  MString s = MGlobal::executeCommandStringResult("nodeType pCube1");
  EXPECT_STREQ(s.asChar(), "transform");
  MIntArray ints;
  ASSERT_TRUE(MGlobal::executeCommand("int $a[] = {4, 5}; $a", ints));
  ASSERT_EQ(ints.length(), 2u);
  EXPECT_EQ(ints[1], 5);
  int untouched = 42;
  EXPECT_FALSE(MGlobal::executeCommand("ls -sl", untouched));  // string[] is no int
  EXPECT_EQ(untouched, 42);
}

TEST_F(Globals, Messages) {
  MGlobal::displayInfo("plain");
  MGlobal::displayWarning("careful");
  MGlobal::displayError("broken");
  EXPECT_EQ(out.text(), "plain\n// Warning: careful //\n// Error: broken //\n");
}

TEST_F(Globals, ActiveSelection) {
  mel("polyCube; polyCube; select -r pCube2 pCube1");
  MSelectionList list;
  ASSERT_TRUE(MGlobal::getActiveSelectionList(list));
  MStringArray names;
  list.getSelectionStrings(names);
  ASSERT_EQ(names.length(), 2u);
  EXPECT_STREQ(names[0].asChar(), "pCube2");

  MSelectionList one;
  ASSERT_TRUE(one.add("polyCube1"));
  EXPECT_FALSE(one.add("noSuchNode"));
  ASSERT_TRUE(MGlobal::setActiveSelectionList(one, MGlobal::kAddToList));
  EXPECT_EQ(mel("ls -sl").asStringArray(),
            (std::vector<std::string>{"pCube2", "pCube1", "polyCube1"}));
  ASSERT_TRUE(MGlobal::setActiveSelectionList(one));
  EXPECT_EQ(mel("ls -sl").asStringArray(), (std::vector<std::string>{"polyCube1"}));
}

TEST_F(Globals, TraceFileGetsOneLinePerCommand) {
  std::string path = ::testing::TempDir() + "api_trace.txt";
  std::remove(path.c_str());
  ASSERT_TRUE(host().setTraceFile(path));
  MGlobal::executeCommand("print \"\"");
  MGlobal::executeCommand("ls", true, true);
  host().setTraceFile("");
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(),
            "executeCommand display=0 undo=0: print \"\"\nexecuteCommand display=1 undo=1: ls\n");
}

// ----------------------------------------------------------------- events

namespace {

Calls* calls = nullptr;
MCallbackId selfRemoving = 0;
MCallbackId removedByOther = 0;

void logA(void* data) { calls->log.push_back(std::string("a:") + static_cast<const char*>(data)); }
void removeOther(void*) {
  calls->log.push_back("remover");
  MMessage::removeCallback(removedByOther);
}
void removeSelf(void*) {
  calls->log.push_back("self");
  MMessage::removeCallback(selfRemoving);
}

}  // namespace

TEST_F(Globals, EventCallbacks) {
  Calls log;
  calls = &log;
  MStatus st;
  char tag[] = "x";
  MCallbackId a = MEventMessage::addEventCallback("idle", logA, tag, &st);
  ASSERT_TRUE(st);
  EXPECT_NE(a, 0u);
  MCallbackId remover = MEventMessage::addEventCallback("idle", removeOther);
  removedByOther = MEventMessage::addEventCallback("idle", logA, tag);
  selfRemoving = MEventMessage::addEventCallback("idle", removeSelf);
  EXPECT_EQ(host().callbackCount("idle"), 4u);

  EXPECT_EQ(MEventMessage::addEventCallback("noSuchEvent", logA, nullptr, &st), 0u);
  EXPECT_EQ(st, MS::kFailure);

  host().fireEvent("idle");
  EXPECT_EQ(log.log, (std::vector<std::string>{"a:x", "remover", "self"}));
  host().fireEvent("idle");
  EXPECT_EQ(log.log.size(), 5u);  // a and remover again
  host().fireEvent("SelectionChanged");
  EXPECT_EQ(log.log.size(), 5u);

  EXPECT_TRUE(MMessage::removeCallback(a));
  EXPECT_FALSE(MMessage::removeCallback(a));
  EXPECT_TRUE(MMessage::removeCallback(remover));
  EXPECT_EQ(host().callbackCount("idle"), 0u);
  MCallbackId next = MEventMessage::addEventCallback("idle", logA, tag);
  EXPECT_GT(next, selfRemoving);  // never reused
  MMessage::removeCallback(next);
  calls = nullptr;
}
