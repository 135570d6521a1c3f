#include <gtest/gtest.h>

#include "scene/Scene.h"

namespace {

using scene::Plug;
using scene::Scene;

// A node type whose output is twice its input, counting its computations.
struct Doubler {
  int computes = 0;

  void registerIn(Scene& s) {
    scene::NodeTypeDecl decl;
    decl.name = "doubler";
    decl.parentName = "dependNode";
    scene::AttrDecl in = scene::numericAttr("input", "in", scene::AttrType::Double, 0);
    in.affectsNames = {"output"};
    scene::AttrDecl out = scene::numericAttr("output", "out", scene::AttrType::Double, 0);
    out.writable = false;
    decl.attrs = {in, out};
    decl.compute = [this](Scene& sc, scene::NodeId id, const scene::AttrDecl& attr) {
      if (attr.longName != "output") return false;
      ++computes;
      sc.setComputed(Plug{id, attr.index}, 2 * sc.getDouble(sc.plug(id, "input")));
      return true;
    };
    s.registerType(decl);
  }
};

TEST(Evaluation, PullsThroughAChainOfTwoComputedNodes) {
  Scene s;
  Doubler d;
  d.registerIn(s);
  auto first = s.createNode("doubler");
  auto second = s.createNode("doubler");
  s.connect(s.plug(first, "output"), s.plug(second, "input"));
  s.setDouble(s.plug(first, "input"), 3);
  EXPECT_TRUE(s.isDirty(s.plug(second, "output")));
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(second, "output")), 12);
  EXPECT_EQ(d.computes, 2);
  EXPECT_FALSE(s.isDirty(s.plug(second, "output")));

  // Clean plugs are not computed again.
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(second, "output")), 12);
  EXPECT_EQ(d.computes, 2);

  // A change upstream dirties everything downstream; nothing runs until read.
  s.setDouble(s.plug(first, "input"), 1);
  EXPECT_TRUE(s.isDirty(s.plug(first, "output")));
  EXPECT_TRUE(s.isDirty(s.plug(second, "output")));
  EXPECT_EQ(d.computes, 2);
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(second, "output")), 4);
  EXPECT_EQ(d.computes, 4);
}

TEST(Evaluation, NewNodesComputeOnFirstRead) {
  Scene s;
  Doubler d;
  d.registerIn(s);
  auto n = s.createNode("doubler");
  EXPECT_TRUE(s.isDirty(s.plug(n, "output")));
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(n, "output")), 0);
  EXPECT_EQ(d.computes, 1);
}

TEST(Evaluation, ACycleDoesNotHang) {
  Scene s;
  Doubler d;
  d.registerIn(s);
  auto a = s.createNode("doubler");
  auto b = s.createNode("doubler");
  s.connect(s.plug(a, "output"), s.plug(b, "input"));
  s.connect(s.plug(b, "output"), s.plug(a, "input"));
  // The loop is cut where it closes: each node reads the other's last value
  // (0, as nothing was ever set), and reading again gives the same.
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(b, "output")), 0.0);
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(a, "output")), 0.0);
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(b, "output")), 0.0);
}

TEST(Evaluation, PolyCubeFeedsItsMesh) {
  Scene s;
  auto maker = s.createNode("polyCube");
  auto t = s.createNode("transform");
  auto shape = s.createNode("mesh", {}, t);
  EXPECT_FALSE(s.getMesh(s.plug(shape, "outMesh")).valid);
  s.connect(s.plug(maker, "output"), s.plug(shape, "inMesh"));
  s.setDouble(s.plug(maker, "height"), 3);
  scene::MeshData m = s.getMesh(s.plug(shape, "outMesh"));
  EXPECT_TRUE(m.valid);
  EXPECT_EQ(m.numVertices(), 8);
  EXPECT_DOUBLE_EQ(m.height, 3);
  EXPECT_DOUBLE_EQ(m.width, 1);
  double corner[3];
  m.vertex(7, corner);
  EXPECT_DOUBLE_EQ(corner[1], 1.5);
  // Sizes cannot go below zero.
  s.setDouble(s.plug(maker, "w"), -2);
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(maker, "w")), 0);
}

TEST(Evaluation, BoolAndLongValuesAreConformed) {
  Scene s;
  auto t = s.createNode("transform");
  s.setDouble(s.plug(t, "v"), 0.2);
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(t, "v")), 1);
  auto cube = s.createNode("polyCube");
  s.setDouble(s.plug(cube, "ihi"), 2.6);
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(cube, "ihi")), 3);
  EXPECT_EQ(s.getNumbers(s.plug(t, "s")), (std::vector<double>{1, 1, 1}));
}

}  // namespace
