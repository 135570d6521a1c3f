#include "SceneFixture.h"

namespace {

using Strings = std::vector<std::string>;

TEST_F(MelScene, UndoAndRedoPrintTheirStep) {
  eval("polyCube");
  const scene::NodeId cube = scene.resolve("pCube1");
  out.clear();
  eval("undo");
  EXPECT_EQ(out.text(), "// Undo: polyCube //\n");
  EXPECT_EQ(num("objExists pCube1"), 0);
  out.clear();
  eval("redo");
  EXPECT_EQ(out.text(), "// Redo: polyCube //\n");
  EXPECT_EQ(scene.resolve("pCube1"), cube);  // same node, same id
  EXPECT_EQ(strings("listConnections pCubeShape1"), Strings{"polyCube1"});
  out.clear();
  eval("redo");
  EXPECT_EQ(out.text(), "// Warning: There are no more commands to redo. //\n");
  eval("undo; undo");
  EXPECT_NE(out.text().find("There are no more commands to undo."), std::string::npos);
}

TEST_F(MelScene, EveryCommandIsAStepUnlessChunked) {
  eval("polyCube; move 1 2 3; setAttr pCube1.rx 10");
  eval("undo");
  EXPECT_DOUBLE_EQ(num("getAttr pCube1.rx"), 0);
  EXPECT_DOUBLE_EQ(num("getAttr pCube1.tx"), 1);
  eval("undo");
  EXPECT_DOUBLE_EQ(num("getAttr pCube1.tx"), 0);

  eval("undoInfo -openChunk; polyCube; move 5 5 5; undoInfo -closeChunk");
  EXPECT_DOUBLE_EQ(num("getAttr pCube2.tx"), 5);
  eval("undo");
  EXPECT_EQ(num("objExists pCube2"), 0);
  EXPECT_EQ(num("objExists pCube1"), 1);
}

TEST_F(MelScene, UndoOfDeleteAndConnect) {
  eval("createNode transform -n a; createNode transform -n b; setAttr a.tx 3");
  const scene::NodeId a = scene.resolve("a");
  eval("connectAttr a.tx b.ty");
  eval("delete a");
  EXPECT_EQ(num("objExists a"), 0);
  eval("undo");
  EXPECT_EQ(scene.resolve("a"), a);
  EXPECT_EQ(num("isConnected a.tx b.ty"), 1);
  EXPECT_DOUBLE_EQ(num("getAttr b.ty"), 3);
  eval("undo");  // the connection
  EXPECT_EQ(num("isConnected a.tx b.ty"), 0);
  eval("redo");
  EXPECT_EQ(num("isConnected a.tx b.ty"), 1);
}

TEST_F(MelScene, UndoStateAndFlush) {
  EXPECT_EQ(num("undoInfo -q -state"), 1);
  eval("polyCube");
  eval("undoInfo -state off");
  EXPECT_EQ(num("undoInfo -q -state"), 0);
  eval("polyCube");
  eval("undoInfo -state on");
  out.clear();
  eval("undo");
  EXPECT_NE(out.text().find("no more commands to undo"), std::string::npos);
  EXPECT_EQ(num("objExists pCube2"), 1);

  eval("polyCube");
  EXPECT_EQ(eval("undoInfo -q -undoName").asString(), "polyCube");
  eval("flushUndo");
  EXPECT_EQ(eval("undoInfo -q -undoName").asString(), "");
}

TEST_F(MelScene, FailedCommandsLeaveNoStep) {
  eval("polyCube");
  const std::size_t steps = scene.undoQueue().undoCount();
  error("setAttr pCube1.t 1 2");
  error("connectAttr pCube1.tx nowhere.tx");
  error("select ghost");
  error("move 1 2");
  EXPECT_EQ(scene.undoQueue().undoCount(), steps);
  EXPECT_EQ(scene.nodeCount(), 3u);
}

TEST_F(MelScene, TheQueueKeepsItsLengthUnlessInfinite) {
  EXPECT_EQ(num("undoInfo -q -length"), 50);
  EXPECT_EQ(num("undoInfo -q -infinity"), 0);
  eval("createNode transform -n t");
  for (int i = 1; i <= 120; ++i) eval("setAttr t.tx " + std::to_string(i));
  EXPECT_EQ(scene.undoQueue().undoCount(), 50u);
  for (int i = 0; i < 60; ++i) eval("undo");
  EXPECT_DOUBLE_EQ(num("getAttr t.tx"), 70);  // the oldest steps are gone
  EXPECT_EQ(num("objExists t"), 1);

  for (int i = 1; i <= 10; ++i) eval("setAttr t.tz " + std::to_string(i));
  eval("undoInfo -length 3");
  EXPECT_EQ(scene.undoQueue().undoCount(), 3u);
  eval("undoInfo -infinity true");
  for (int i = 0; i < 200; ++i) eval("setAttr t.ty " + std::to_string(i + 1));
  EXPECT_EQ(scene.undoQueue().undoCount(), 203u);
  eval("undoInfo -infinity false");  // back to the finite length, trimmed at once
  EXPECT_EQ(scene.undoQueue().undoCount(), 3u);
  EXPECT_EQ(num("undoInfo -q -length"), 3);
  EXPECT_NE(error("undoInfo -length -1"), "(no error)");
}

}  // namespace
