#include <gtest/gtest.h>

#include "scene/Naming.h"
#include "scene/Scene.h"

namespace {

using scene::Scene;

std::string nameOf(const Scene& s, scene::NodeId id) { return s.node(id)->name(); }

TEST(Naming, DefaultNamesCountPerType) {
  Scene s;
  EXPECT_EQ(nameOf(s, s.createNode("transform")), "transform1");
  EXPECT_EQ(nameOf(s, s.createNode("transform")), "transform2");
  EXPECT_EQ(nameOf(s, s.createNode("polyCube")), "polyCube1");
  EXPECT_EQ(nameOf(s, s.createNode("transform")), "transform3");
}

TEST(Naming, RequestedNameTakenGetsNumber) {
  Scene s;
  EXPECT_EQ(nameOf(s, s.createNode("transform", "foo")), "foo");
  EXPECT_EQ(nameOf(s, s.createNode("transform", "foo")), "foo1");
  EXPECT_EQ(nameOf(s, s.createNode("transform", "foo")), "foo2");
  // A numbered request that is taken goes past its own number.
  s.createNode("transform", "bar5");
  EXPECT_EQ(nameOf(s, s.createNode("transform", "bar5")), "bar6");
  // Zero padding is kept.
  s.createNode("transform", "Capsule001");
  EXPECT_EQ(nameOf(s, s.createNode("transform", "Capsule001")), "Capsule002");
}

TEST(Naming, TypeEndingInDigitsDropsThem) {
  Scene s;
  scene::NodeTypeDecl decl;
  decl.name = "zubNode001";
  decl.parentName = "dependNode";
  s.registerType(decl);
  EXPECT_EQ(nameOf(s, s.createNode("zubNode001")), "zubNode1");
  EXPECT_EQ(nameOf(s, s.createNode("zubNode001")), "zubNode2");
}

TEST(Naming, HashTakesNextFreeNumberAndFreedNumbersComeBack) {
  Scene s;
  auto a = s.createNode("transform", "box#");
  auto b = s.createNode("transform", "box#");
  EXPECT_EQ(nameOf(s, a), "box1");
  EXPECT_EQ(nameOf(s, b), "box2");
  s.deleteNode(a);
  EXPECT_EQ(nameOf(s, s.createNode("transform", "box#")), "box1");
  EXPECT_EQ(nameOf(s, s.createNode("transform", "box#")), "box3");
}

TEST(Naming, RenameMakesUniqueAndCleansCharacters) {
  Scene s;
  auto a = s.createNode("transform", "a");
  auto b = s.createNode("transform", "b");
  EXPECT_EQ(s.rename(b, "a"), "a1");
  EXPECT_EQ(s.rename(b, "my node"), "my_node");
  EXPECT_EQ(s.rename(b, "9lives"), "_9lives");
  EXPECT_EQ(s.rename(a, "a"), "a");  // its own name is not a clash
  EXPECT_THROW(s.rename(a, "#"), scene::Error);
  EXPECT_EQ(s.resolve("_9lives"), b);
  EXPECT_EQ(s.resolve("b"), scene::kNoNode);
}

TEST(Naming, GlobMatch) {
  EXPECT_TRUE(scene::globMatch("pCube*", "pCube12"));
  EXPECT_TRUE(scene::globMatch("*Shape?", "pCubeShape1"));
  EXPECT_FALSE(scene::globMatch("pCube*", "pSphere1"));
  EXPECT_TRUE(scene::globMatch("*", ""));
  EXPECT_FALSE(scene::globMatch("a?", "a"));
}

TEST(Naming, ClearResetsCountersButNotIds) {
  Scene s;
  auto first = s.createNode("transform");
  s.clear();
  EXPECT_EQ(s.nodeCount(), 0u);
  auto again = s.createNode("transform");
  EXPECT_EQ(nameOf(s, again), "transform1");
  EXPECT_GT(again, first);
  EXPECT_EQ(s.node(first), nullptr);
}

}  // namespace
