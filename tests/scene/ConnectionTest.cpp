#include <gtest/gtest.h>

#include "scene/Scene.h"

namespace {

using scene::Plug;
using scene::Scene;

std::string errorOf(const std::function<void()>& fn) {
  try {
    fn();
  } catch (const scene::Error& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(Connection, ValuesFlowAndInputsBlockSetting) {
  Scene s;
  auto a = s.createNode("transform", "a");
  auto b = s.createNode("transform", "b");
  s.setDouble(s.plug(a, "tx"), 3);
  EXPECT_TRUE(s.connect(s.plug(a, "tx"), s.plug(b, "ty")));
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(b, "ty")), 3);
  s.setDouble(s.plug(a, "tx"), 5);
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(b, "translateY")), 5);
  EXPECT_EQ(s.source(s.plug(b, "ty")), s.plug(a, "tx"));
  EXPECT_EQ(s.destinations(s.plug(a, "tx")), std::vector<Plug>{s.plug(b, "ty")});
  EXPECT_EQ(errorOf([&] { s.setDouble(s.plug(b, "ty"), 1); }),
            "The attribute 'b.translateY' is locked or connected and cannot be modified.");
  // Connecting the same pair again changes nothing.
  EXPECT_FALSE(s.connect(s.plug(a, "tx"), s.plug(b, "ty")));
}

TEST(Connection, OneInputPerDestinationUnlessForced) {
  Scene s;
  auto a = s.createNode("transform", "a");
  auto b = s.createNode("transform", "b");
  auto c = s.createNode("transform", "c");
  s.connect(s.plug(a, "tx"), s.plug(c, "tx"));
  EXPECT_EQ(errorOf([&] { s.connect(s.plug(b, "tx"), s.plug(c, "tx")); }),
            "'c.translateX' already has an incoming connection from 'a.translateX'");
  EXPECT_EQ(s.source(s.plug(c, "tx")), s.plug(a, "tx"));
  s.setDouble(s.plug(b, "tx"), 7);
  s.connect(s.plug(b, "tx"), s.plug(c, "tx"), true);
  EXPECT_EQ(s.source(s.plug(c, "tx")), s.plug(b, "tx"));
  EXPECT_TRUE(s.destinations(s.plug(a, "tx")).empty());
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(c, "tx")), 7);
}

TEST(Connection, TypesMustFit) {
  Scene s;
  auto t = s.createNode("transform", "t");
  auto cube = s.createNode("polyCube");
  auto shape = s.createNode("mesh", "m", t);
  EXPECT_EQ(errorOf([&] { s.connect(s.plug(t, "t"), s.plug(t, "tx")); }),
            "The attribute 't.translate' cannot be connected to 't.translateX'.");
  EXPECT_THROW(s.connect(s.plug(cube, "output"), s.plug(t, "tx")), scene::Error);
  EXPECT_THROW(s.connect(s.plug(t, "message"), s.plug(shape, "inMesh")), scene::Error);
  EXPECT_THROW(s.connect(s.plug(t, "tx"), s.plug(t, "tx")), scene::Error);
  // Computed outputs cannot take an input.
  EXPECT_THROW(s.connect(s.plug(cube, "output"), s.plug(cube, "output")), scene::Error);
  EXPECT_THROW(s.connect(s.plug(shape, "outMesh"), s.plug(cube, "output")), scene::Error);
}

TEST(Connection, CompoundsConnectChildByChild) {
  Scene s;
  auto a = s.createNode("transform", "a");
  auto b = s.createNode("transform", "b");
  s.setNumbers(s.plug(a, "t"), {1, 2, 3});
  s.connect(s.plug(a, "t"), s.plug(b, "t"));
  EXPECT_EQ(s.getNumbers(s.plug(b, "t")), (std::vector<double>{1, 2, 3}));
  s.setDouble(s.plug(a, "tz"), 9);
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(b, "tz")), 9);
  // A child of a connected compound counts as connected.
  EXPECT_THROW(s.setDouble(s.plug(b, "ty"), 0), scene::Error);
  EXPECT_THROW(s.connect(s.plug(a, "rx"), s.plug(b, "tx")), scene::Error);
}

TEST(Connection, DisconnectKeepsLastValue) {
  Scene s;
  auto a = s.createNode("transform", "a");
  auto b = s.createNode("transform", "b");
  EXPECT_EQ(errorOf([&] { s.disconnect(s.plug(a, "tx"), s.plug(b, "tx")); }),
            "There is no connection from 'a.translateX' to 'b.translateX' to disconnect");
  s.connect(s.plug(a, "tx"), s.plug(b, "tx"));
  s.setDouble(s.plug(a, "tx"), 4);
  s.disconnect(s.plug(a, "tx"), s.plug(b, "tx"));
  EXPECT_FALSE(s.hasConnections(s.plug(b, "tx")));
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(b, "tx")), 4);
  s.setDouble(s.plug(b, "tx"), 1);  // settable again
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(b, "tx")), 1);
}

TEST(Connection, DeletingANodeBreaksItsConnections) {
  Scene s;
  auto a = s.createNode("transform", "a");
  auto b = s.createNode("transform", "b");
  s.setDouble(s.plug(a, "tx"), 2);
  s.connect(s.plug(a, "tx"), s.plug(b, "tx"));
  s.deleteNode(a);
  EXPECT_TRUE(s.node(b)->links().empty());
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(b, "tx")), 2);
}

TEST(Connection, LockedPlugsRefuseValuesAndInputs) {
  Scene s;
  auto a = s.createNode("transform", "a");
  s.setLocked(s.plug(a, "tx"), true);
  EXPECT_THROW(s.setDouble(s.plug(a, "tx"), 1), scene::Error);
  EXPECT_THROW(s.setNumbers(s.plug(a, "t"), {1, 1, 1}), scene::Error);
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(a, "tx")), 0);
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(a, "ty")), 0);  // compound set is all or nothing
  s.setLocked(s.plug(a, "tx"), false);
  s.setDouble(s.plug(a, "tx"), 1);
  EXPECT_DOUBLE_EQ(s.getDouble(s.plug(a, "tx")), 1);
}

}  // namespace
