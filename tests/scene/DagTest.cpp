#include <gtest/gtest.h>

#include "scene/Scene.h"

namespace {

using scene::Scene;

TEST(Dag, PathsAndResolution) {
  Scene s;
  auto group = s.createNode("transform", "group");
  auto cube = s.createNode("transform", "pCube1", group);
  auto shape = s.createNode("mesh", "pCubeShape1", cube);
  EXPECT_EQ(s.fullPath(shape), "|group|pCube1|pCubeShape1");
  EXPECT_EQ(s.partialPath(shape), "pCubeShape1");
  EXPECT_EQ(s.resolve("pCubeShape1"), shape);
  EXPECT_EQ(s.resolve("pCube1|pCubeShape1"), shape);
  EXPECT_EQ(s.resolve("|group|pCube1"), cube);
  EXPECT_EQ(s.resolve("|pCube1"), scene::kNoNode);
  EXPECT_EQ(s.parentOf(shape), cube);
  EXPECT_EQ(s.childrenOf(group), std::vector<scene::NodeId>{cube});
  EXPECT_EQ(s.worldNodes(), std::vector<scene::NodeId>{group});
}

TEST(Dag, SameNameUnderDifferentParentsIsAmbiguous) {
  Scene s;
  auto a = s.createNode("transform", "a");
  auto b = s.createNode("transform", "b");
  auto ca = s.createNode("transform", "child", a);
  auto cb = s.createNode("transform", "child", b);
  EXPECT_EQ(s.node(cb)->name(), "child");
  EXPECT_THROW(
      {
        try {
          s.resolve("child");
        } catch (const scene::Error& e) {
          EXPECT_STREQ(e.what(), "More than one object matches name: child");
          throw;
        }
      },
      scene::Error);
  EXPECT_EQ(s.resolve("a|child"), ca);
  EXPECT_EQ(s.partialPath(cb), "b|child");
  // Siblings may not share a name: moving one next to the other renames it.
  s.setParent(cb, a);
  EXPECT_EQ(s.node(cb)->name(), "child1");
  EXPECT_EQ(s.resolve("child"), ca);
}

TEST(Dag, ParentingRules) {
  Scene s;
  auto top = s.createNode("transform", "top");
  auto mid = s.createNode("transform", "mid", top);
  auto shape = s.createNode("mesh", "m", mid);
  auto dg = s.createNode("polyCube");
  EXPECT_THROW(s.setParent(top, mid), scene::Error);  // under its own child
  EXPECT_THROW(s.setParent(top, top), scene::Error);
  EXPECT_THROW(s.setParent(top, shape), scene::Error);  // shapes have no children
  EXPECT_THROW(s.setParent(dg, top), scene::Error);     // not a DAG node
  EXPECT_THROW(s.createNode("transform", "x", dg), scene::Error);
  s.setParent(mid, scene::kNoNode);
  EXPECT_EQ(s.fullPath(shape), "|mid|m");
  EXPECT_TRUE(s.childrenOf(top).empty());
}

TEST(Dag, DeletingATransformTakesItsChildrenAndSelection) {
  Scene s;
  auto t = s.createNode("transform");
  auto shape = s.createNode("mesh", {}, t);
  auto other = s.createNode("transform");
  s.select({shape, other}, scene::SelectMode::Replace);
  s.deleteNode(t);
  EXPECT_FALSE(s.exists(t));
  EXPECT_FALSE(s.exists(shape));
  EXPECT_EQ(s.selection(), std::vector<scene::NodeId>{other});
  EXPECT_EQ(s.nodeCount(), 1u);
}

TEST(Dag, SelectionModes) {
  Scene s;
  auto a = s.createNode("transform");
  auto b = s.createNode("transform");
  auto c = s.createNode("transform");
  using M = scene::SelectMode;
  s.select({b, a, b}, M::Replace);
  EXPECT_EQ(s.selection(), (std::vector<scene::NodeId>{b, a}));
  s.select({c, a}, M::Add);
  EXPECT_EQ(s.selection(), (std::vector<scene::NodeId>{b, a, c}));
  s.select({a}, M::Remove);
  EXPECT_EQ(s.selection(), (std::vector<scene::NodeId>{b, c}));
  s.select({b, a}, M::Toggle);
  EXPECT_EQ(s.selection(), (std::vector<scene::NodeId>{c, a}));
  EXPECT_TRUE(s.isSelected(a));
  EXPECT_FALSE(s.isSelected(b));
  s.clearSelection();
  EXPECT_TRUE(s.selection().empty());
}

TEST(Dag, TypesKnowTheirKind) {
  Scene s;
  const scene::NodeType* mesh = s.findType("mesh");
  ASSERT_NE(mesh, nullptr);
  EXPECT_TRUE(mesh->isDag());
  EXPECT_TRUE(mesh->isShape());
  EXPECT_TRUE(mesh->isA("dagNode"));
  EXPECT_TRUE(mesh->hasApiType(scene::api::kDagNode));
  EXPECT_TRUE(mesh->hasApiType(scene::api::kDependencyNode));
  EXPECT_FALSE(mesh->hasApiType(scene::api::kTransform));
  EXPECT_GE(mesh->findAttr("message"), 0);
  EXPECT_EQ(mesh->findAttr("i"), mesh->findAttr("inMesh"));
  EXPECT_THROW(s.createNode("dagNode"), scene::Error);
  EXPECT_THROW(s.createNode("noSuchType"), scene::Error);
}

}  // namespace
