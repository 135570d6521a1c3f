// zubBase in the host: what loading registers, what unloading takes away,
// the flag syntax, undo, and a reload starting from the load-time state.
#include <gtest/gtest.h>

#include <string>

#include "ZubBaseFixture.h"
#include "host/Host.h"

namespace zubtest {
namespace {

constexpr char kNoPick[] = "Select an object and click here";

class ZubBaseLoad : public ZubBaseHost {};

TEST_F(ZubBaseLoad, RegistersTheEightCommandsAndUnloadTakesThemAwayAndFreesThePort) {
  ASSERT_TRUE(loadZubBase()) << takeOutput();
  EXPECT_EQ(eval("pluginInfo -q -command zubBase").asStringArray(), zubBaseCommands());
  EXPECT_EQ(evalText("pluginInfo -q -apiVersion zubBase"), "201100");
  EXPECT_FALSE(udpPortFree(port())) << "the OSC port is bound from load on";

  ASSERT_TRUE(unloadZubBase()) << takeOutput();
  for (const std::string& name : zubBaseCommands()) EXPECT_FALSE(commandExists(name)) << name;
  EXPECT_TRUE(udpPortFree(port())) << "unloading must close the OSC socket";
}

TEST_F(ZubBaseLoad, TheSameShortFlagIsEachCommandsOwn) {
  ASSERT_TRUE(loadZubBase()) << takeOutput();
  // Nothing is selected, so the parse alone decides these.
  EXPECT_TRUE(mel("zubCmd_getSelectedObject -i true;"));
  EXPECT_FALSE(mel("zubCmd_getSelectedObject -index 3;"));
  takeOutput();
  EXPECT_TRUE(mel("zubCmd_changeOSCValues -i 3 -n \"pCube1.translateX\" -f \"0.5\";"));
  EXPECT_TRUE(mel("zubCmd_changeHiderRadius -radius 1.25;"));
  EXPECT_EQ(takeOutput().find("Error"), std::string::npos);
}

TEST_F(ZubBaseLoad, ReloadStartsFromTheLoadTimeState) {
  ASSERT_TRUE(loadZubBase()) << takeOutput();
  ASSERT_TRUE(mel("polyCube; select -r pCube1; zubCmd_getSelectedObject -isHider true;"));
  ASSERT_TRUE(mel("zubCmd_getSelectedObject -isHider false; zubCmd_changeHiderRadius -r 7.5;"));
  ASSERT_TRUE(unloadZubBase() && loadZubBase()) << takeOutput();

  ASSERT_TRUE(mel("zubCmd_showHiderWindow;")) << takeOutput();
  EXPECT_EQ(evalText("button -q -label btnHider"), kNoPick);
  EXPECT_EQ(evalText("button -q -label btnTohide"), kNoPick);
  EXPECT_EQ(eval("floatSlider -q -value radiusSlider").asFloat(), 0.0);
  // The pick role is back to "hider" as well.
  ASSERT_TRUE(mel("zubCmd_getSelectedObject; zubCmd_showHiderWindow;"));
  EXPECT_EQ(evalText("button -q -label btnHider"), "pCubeShape1");
}

TEST_F(ZubBaseLoad, NameHeldByAnotherPlugInLeavesTheOtherSevenAvailable) {
  ASSERT_TRUE(loadPlugin(NAME_CLASH_PLUGIN)) << takeOutput();
  ASSERT_TRUE(loadZubBase()) << takeOutput();
  for (const std::string& name : zubBaseCommands()) EXPECT_TRUE(commandExists(name)) << name;
  EXPECT_EQ(evalText("zubCmd_showHiderWindow"), "nameClash");
  EXPECT_TRUE(mel("zubCmd_changeHiderRadius -r 3;"));

  ASSERT_TRUE(unloadZubBase()) << takeOutput();
  EXPECT_EQ(evalText("zubCmd_showHiderWindow"), "nameClash");
}

TEST_F(ZubBaseLoad, UndoReachesPastCommandsThatAreNotUndoable) {
  ASSERT_TRUE(loadZubBase()) << takeOutput();
  ASSERT_TRUE(mel("polyCube;"));
  ASSERT_TRUE(mel("zubCmd_changeHiderRadius -r 3;"));
  ASSERT_TRUE(mel("select -r pCube1; zubCmd_getSelectedObject;"));
  ASSERT_TRUE(mel("zubCmd_showHiderWindow;"));
  ASSERT_TRUE(mel("undo;")) << takeOutput();
  EXPECT_EQ(eval("objExists pCube1"), mel::Value(0)) << "undo reverts polyCube";
}

#ifdef ZUB_NODES_PLUGIN
TEST_F(ZubBaseLoad, UndoAndRedoReplayAnUndoableCommand) {
  ASSERT_TRUE(loadPlugin(ZUB_NODES_PLUGIN) && loadZubBase()) << takeOutput();
  ASSERT_TRUE(mel("polyCube;"));
  ASSERT_TRUE(mel("zubCmd_toggleOSC;")) << takeOutput();
  EXPECT_EQ(eval("ls -type zubNode_OSC").size(), 1u);
  ASSERT_TRUE(mel("undo;")) << takeOutput();
  EXPECT_EQ(eval("ls -type zubNode_OSC").size(), 0u);
  EXPECT_EQ(eval("objExists pCube1"), mel::Value(1)) << "one undo, one command";
  ASSERT_TRUE(mel("redo;")) << takeOutput();
  EXPECT_EQ(eval("ls -type zubNode_OSC").size(), 1u);
}

TEST_F(ZubBaseLoad, UnloadingWithOscOnRemovesTheIdleCallback) {
  mayasim::Host& host = mayasim::host();
  ASSERT_TRUE(loadPlugin(ZUB_NODES_PLUGIN) && loadZubBase()) << takeOutput();
  ASSERT_TRUE(mel("zubCmd_toggleOSC;")) << takeOutput();
  ASSERT_EQ(host.callbackCount("idle"), 1u);

  ASSERT_TRUE(unloadZubBase()) << takeOutput();
  ASSERT_EQ(host.callbackCount("idle"), 0u);
  host.fireEvent("idle");  // nothing left to call into the unloaded library

  // Loaded again, reception starts off: the toggle switches it on.
  ASSERT_TRUE(loadZubBase() && mel("zubCmd_toggleOSC;")) << takeOutput();
  EXPECT_EQ(host.callbackCount("idle"), 1u);
}
#endif

}  // namespace
}  // namespace zubtest
