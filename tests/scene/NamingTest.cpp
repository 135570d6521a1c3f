#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>

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

// Names shared by several nodes (siblings under different parents), names
// freed by deletes and renames, and a scene large enough for the name
// lookup's table to grow several times: every lookup must still find
// exactly the nodes that hold the name.
TEST(Naming, LookupsFollowCreatesRenamesAndDeletesInALargeScene) {
  Scene s;
  std::mt19937 random(7);
  const std::vector<std::string> pool = {"a", "b", "c", "d", "e", "f", "g", "h"};
  std::vector<scene::NodeId> alive;
  auto pick = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
  };
  auto holders = [&](const std::string& name) {
    std::size_t count = 0;
    scene::NodeId one = scene::kNoNode;
    for (scene::NodeId id : s.allNodes()) {
      if (s.node(id)->name() == name) {
        ++count;
        one = id;
      }
    }
    return std::make_pair(count, one);
  };
  for (int step = 0; step < 6000; ++step) {
    const std::size_t what = alive.empty() ? 0 : pick(10);
    if (what < 6) {
      const scene::NodeId parent =
          alive.empty() || pick(2) == 0 ? scene::kNoNode : alive[pick(alive.size())];
      alive.push_back(s.createNode("transform", pool[pick(pool.size())], parent));
    } else if (what < 8) {
      const scene::NodeId id = alive[pick(alive.size())];
      s.rename(id, pool[pick(pool.size())]);
    } else {
      const scene::NodeId id = alive[pick(alive.size())];
      s.deleteNode(id);
      alive.erase(
          std::remove_if(alive.begin(), alive.end(), [&](scene::NodeId n) { return !s.exists(n); }),
          alive.end());
    }
    if (step % 500 != 0 && step < 5900) continue;
    for (const std::string& name : pool) {
      const auto [count, one] = holders(name);
      if (count > 1) {
        EXPECT_THROW(s.resolve(name), scene::Error) << name << " at step " << step;
      } else {
        EXPECT_EQ(s.resolve(name), one) << name << " at step " << step;
      }
    }
    // A sample of the numbered names: each is found, and no new name is one in use.
    for (std::size_t i = 0; i < alive.size(); i += 37) {
      const std::string& name = s.node(alive[i])->name();
      EXPECT_GE(holders(name).first, 1u);
      EXPECT_EQ(holders(s.uniqueName(name)).first, 0u) << name;
    }
  }
  EXPECT_GT(s.nodeCount(), 1000u);
}

}  // namespace
