#include <gtest/gtest.h>

#include "scene/Scene.h"

namespace {

using scene::ChunkScope;
using scene::NodeId;
using scene::Plug;
using scene::Scene;

struct Cube {
  NodeId maker, transform, shape;
};

Cube makeCube(Scene& s) {
  ChunkScope chunk(s.undoQueue(), "polyCube");
  Cube c;
  c.maker = s.createNode("polyCube");
  s.setDouble(s.plug(c.maker, "w"), 2);
  c.transform = s.createNode("transform", "pCube#");
  c.shape = s.createNode("mesh", "pCubeShape1", c.transform);
  s.connect(s.plug(c.maker, "output"), s.plug(c.shape, "inMesh"));
  s.select({c.transform}, scene::SelectMode::Replace);
  return c;
}

TEST(Undo, CreationUndoesAndRedoesWithTheSameIds) {
  Scene s;
  Cube c = makeCube(s);
  EXPECT_EQ(s.undoQueue().undoCount(), 1u);
  EXPECT_EQ(s.undoQueue().undo(), std::optional<std::string>("polyCube"));
  EXPECT_EQ(s.nodeCount(), 0u);
  EXPECT_TRUE(s.selection().empty());

  EXPECT_EQ(s.undoQueue().redo(), std::optional<std::string>("polyCube"));
  ASSERT_TRUE(s.exists(c.maker) && s.exists(c.transform) && s.exists(c.shape));
  EXPECT_EQ(s.node(c.transform)->name(), "pCube1");
  EXPECT_EQ(s.fullPath(c.shape), "|pCube1|pCubeShape1");
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(c.maker, "w")), 2);
  EXPECT_EQ(s.source(s.plug(c.shape, "inMesh")), s.plug(c.maker, "output"));
  EXPECT_DOUBLE_EQ(s.getMesh(s.plug(c.shape, "outMesh")).width, 2);
  EXPECT_EQ(s.selection(), std::vector<NodeId>{c.transform});
  EXPECT_FALSE(s.undoQueue().redo().has_value());
}

TEST(Undo, DeletionComesBackWithConnectionsChildrenAndSelection) {
  Scene s;
  Cube c = makeCube(s);
  {
    ChunkScope chunk(s.undoQueue(), "delete");
    s.deleteNode(c.transform);
  }
  EXPECT_FALSE(s.exists(c.shape));
  EXPECT_TRUE(s.destinations(s.plug(c.maker, "output")).empty());
  s.undoQueue().undo();
  ASSERT_TRUE(s.exists(c.transform) && s.exists(c.shape));
  EXPECT_EQ(s.parentOf(c.shape), c.transform);
  EXPECT_EQ(s.source(s.plug(c.shape, "inMesh")), s.plug(c.maker, "output"));
  EXPECT_EQ(s.selection(), std::vector<NodeId>{c.transform});
  s.undoQueue().redo();
  EXPECT_FALSE(s.exists(c.transform));
  EXPECT_TRUE(s.exists(c.maker));
}

TEST(Undo, ValuesRenamesAndParentsRevert) {
  Scene s;
  NodeId a, b;
  {
    ChunkScope chunk(s.undoQueue(), "setup");
    a = s.createNode("transform", "a");
    b = s.createNode("transform", "b");
  }
  {
    ChunkScope chunk(s.undoQueue(), "edit");
    s.setNumbers(s.plug(a, "r"), {0.5, 0, 0});
    s.rename(a, "renamed");
    s.setParent(a, b);
    s.setLocked(s.plug(a, "tx"), true);
  }
  s.undoQueue().undo();
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(a, "rx")), 0);
  EXPECT_EQ(s.node(a)->name(), "a");
  EXPECT_EQ(s.resolve("renamed"), scene::kNoNode);
  EXPECT_EQ(s.parentOf(a), scene::kNoNode);
  EXPECT_FALSE(s.isLocked(s.plug(a, "tx")));
  s.undoQueue().redo();
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(a, "rx")), 0.5);
  EXPECT_EQ(s.fullPath(a), "|b|renamed");
  EXPECT_TRUE(s.isLocked(s.plug(a, "tx")));
}

TEST(Undo, NestedScopesMergeAndANewStepDropsTheRedoTail) {
  Scene s;
  auto& q = s.undoQueue();
  {
    ChunkScope outer(q, "");
    s.createNode("transform");
    {
      ChunkScope inner(q, "inner");
      s.createNode("transform");
    }
    EXPECT_EQ(q.undoCount(), 0u);  // nothing committed while the outer scope is open
  }
  EXPECT_EQ(q.undoCount(), 1u);
  EXPECT_EQ(q.undoLabel(), "inner");  // first non-empty label names the step
  q.undo();
  EXPECT_EQ(s.nodeCount(), 0u);
  EXPECT_EQ(q.redoCount(), 1u);
  {
    ChunkScope chunk(q, "other");
    s.createNode("locator");
  }
  EXPECT_EQ(q.redoCount(), 0u);
  // An empty scope leaves no step.
  { ChunkScope chunk(q, "nothing"); }
  EXPECT_EQ(q.undoCount(), 1u);
}

TEST(Undo, SuspendedOrDisabledRecordsNothing) {
  Scene s;
  auto& q = s.undoQueue();
  {
    scene::SuspendScope off(q);
    ChunkScope chunk(q, "x");
    s.createNode("transform");
  }
  q.setEnabled(false);
  {
    ChunkScope chunk(q, "y");
    s.createNode("transform");
  }
  q.setEnabled(true);
  EXPECT_EQ(q.undoCount(), 0u);
  EXPECT_EQ(s.nodeCount(), 2u);
  // Outside any chunk nothing is recorded either.
  s.createNode("transform");
  EXPECT_EQ(q.undoCount(), 0u);
}

TEST(Undo, CustomStepsRunTheirFunctions) {
  Scene s;
  auto& q = s.undoQueue();
  std::vector<std::string> calls;
  EXPECT_TRUE(q.push(
      "cmd", [&] { calls.push_back("undo"); }, [&] { calls.push_back("redo"); }));
  q.undo();
  q.redo();
  EXPECT_EQ(calls, (std::vector<std::string>{"undo", "redo"}));
  {
    scene::SuspendScope off(q);
    EXPECT_FALSE(q.push(
        "ignored", [] {}, [] {}));
  }
  // Inside an open chunk the functions join that step, in order.
  q.openChunk("group");
  s.createNode("transform", "made");
  q.push(
      "cmd", [&] { calls.push_back("undo2"); }, [&] {});
  q.closeChunk();
  EXPECT_EQ(q.undoCount(), 2u);
  q.undo();
  EXPECT_EQ(calls.back(), "undo2");
  EXPECT_EQ(s.nodeCount(), 0u);
}

TEST(Undo, AFailingScopeRevertsItsChanges) {
  Scene s;
  auto a = s.createNode("transform", "a");
  try {
    ChunkScope chunk(s.undoQueue(), "doomed");
    s.setDouble(s.plug(a, "tx"), 5);
    s.createNode("transform", "b");
    throw std::runtime_error("fail");
  } catch (const std::runtime_error&) {
  }
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(a, "tx")), 0);
  EXPECT_EQ(s.resolve("b"), scene::kNoNode);
  EXPECT_EQ(s.undoQueue().undoCount(), 0u);
}

TEST(Undo, ReservedIdsAndTypeReferences) {
  Scene s;
  scene::NodeTypeDecl decl;
  decl.name = "custom";
  decl.parentName = "dependNode";
  int created = 0, destroyed = 0;
  decl.onCreate = [&](Scene&, NodeId) { ++created; };
  decl.onDestroy = [&](Scene&, NodeId) { ++destroyed; };
  s.registerType(decl);

  NodeId id = s.reserveId("custom");
  EXPECT_FALSE(s.exists(id));
  ASSERT_NE(s.typeOf(id), nullptr);
  EXPECT_EQ(s.typeOf(id)->name(), "custom");
  EXPECT_THROW(s.createNode("transform", {}, scene::kNoNode, id), scene::Error);
  {
    ChunkScope chunk(s.undoQueue(), "make");
    EXPECT_EQ(s.createNode("custom", {}, scene::kNoNode, id), id);
  }
  EXPECT_EQ(created, 1);
  EXPECT_FALSE(s.unregisterType("custom"));  // a node exists
  s.undoQueue().undo();
  EXPECT_EQ(destroyed, 1);
  EXPECT_FALSE(s.hasNodesOfType("custom"));
  EXPECT_TRUE(s.undoReferencesType("custom"));
  EXPECT_FALSE(s.unregisterType("custom"));  // the queue still holds it
  s.undoQueue().redo();
  EXPECT_EQ(created, 2);
  EXPECT_TRUE(s.exists(id));
  s.deleteNode(id);
  s.undoQueue().flush();
  EXPECT_TRUE(s.unregisterType("custom"));
  EXPECT_EQ(s.typeOf(id), nullptr);
}

}  // namespace
