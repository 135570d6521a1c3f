#include <cmath>

#include "SceneFixture.h"

namespace {

using Numbers = std::vector<double>;
using Strings = std::vector<std::string>;

TEST_F(MelScene, AnglesAreDegreesInMelAndRadiansInside) {
  eval("createNode transform -n t");
  eval("setAttr t.rz 90");
  EXPECT_DOUBLE_EQ(scene.getDouble(plug("t.rz")), M_PI / 2);
  EXPECT_DOUBLE_EQ(num("getAttr t.rotateZ"), 90);
  eval("setAttr t.r 45 0 -30");
  const Numbers r = eval("getAttr t.r").asFloatArray();
  ASSERT_EQ(r.size(), 3u);
  EXPECT_NEAR(r[0], 45, 1e-9);
  EXPECT_NEAR(r[2], -30, 1e-9);
  EXPECT_DOUBLE_EQ(scene.getDouble(plug("t.rx")), M_PI / 4);
  // Distances pass through unchanged.
  eval("setAttr -type double3 t.t 1.5 2 3");
  EXPECT_EQ(eval("getAttr t.t").asFloatArray(), (Numbers{1.5, 2, 3}));
  EXPECT_DOUBLE_EQ(scene.getDouble(plug("t.tx")), 1.5);
}

TEST_F(MelScene, GetAttrResultTypes) {
  eval("createNode transform -n t");
  mel::Value v = eval("getAttr t.v");
  EXPECT_TRUE(v.isInt());
  EXPECT_EQ(v.asInt(), 1);
  eval("setAttr t.visibility off");
  EXPECT_EQ(eval("getAttr t.v").asInt(), 0);
  eval("setAttr t.v true");
  EXPECT_EQ(eval("getAttr t.v").asInt(), 1);
  EXPECT_TRUE(eval("getAttr t.tx").isFloat());
  EXPECT_EQ(eval("getAttr -type t.tx").asString(), "doubleLinear");
  EXPECT_EQ(eval("getAttr -type t.r").asString(), "double3");
  EXPECT_EQ(eval("getAttr t.s").asFloatArray(), (Numbers{1, 1, 1}));
  EXPECT_MEL_ERROR("getAttr t.message", "cannot be shown");
}

TEST_F(MelScene, StringAttributes) {
  scene::NodeTypeDecl decl;
  decl.name = "note";
  decl.parentName = "dependNode";
  decl.attrs.push_back(scene::stringAttr("text", "tx", "hello"));
  scene.registerType(decl);
  eval("createNode note");
  EXPECT_EQ(eval("getAttr note1.text").asString(), "hello");
  eval("setAttr -type \"string\" note1.text \"two words\"");
  EXPECT_EQ(eval("getAttr note1.tx").asString(), "two words");
  eval("undo");
  EXPECT_EQ(eval("getAttr note1.tx").asString(), "hello");
}

TEST_F(MelScene, SetAttrErrorsLeaveValuesAlone) {
  eval("createNode transform -n a; createNode transform -n b");
  eval("setAttr a.t 1 2 3");
  EXPECT_MEL_ERROR("setAttr a.t 7 8", "Not enough data was provided");
  EXPECT_MEL_ERROR("setAttr a.tx 1 2", "Too many data values");
  EXPECT_MEL_ERROR("setAttr a.tx abc", "Invalid argument");
  EXPECT_MEL_ERROR("setAttr a.a_missing_attribute 1",
                   "No object matches name: a.a_missing_attribute");
  EXPECT_MEL_ERROR("getAttr ghost.tx", "No object matches name: ghost.tx");
  eval("connectAttr a.tx b.tx");
  EXPECT_MEL_ERROR(
      "setAttr b.tx 5",
      "setAttr: The attribute 'b.translateX' is locked or connected and cannot be modified.");
  eval("setAttr -lock on a.ty");
  EXPECT_EQ(eval("getAttr -lock a.ty").asInt(), 1);
  EXPECT_MEL_ERROR("setAttr a.ty 9", "locked or connected");
  EXPECT_MEL_ERROR("setAttr a.t 9 9 9", "locked or connected");
  EXPECT_EQ(eval("getAttr a.t").asFloatArray(), (Numbers{1, 2, 3}));
  eval("setAttr -l off a.ty 6");
  EXPECT_DOUBLE_EQ(num("getAttr a.ty"), 6);
}

TEST_F(MelScene, ConnectAttrAndItsErrors) {
  eval("createNode transform -n a; createNode transform -n b; createNode transform -n c");
  EXPECT_EQ(eval("connectAttr a.tx b.tx").asString(), "Connected a.translateX to b.translateX.");
  EXPECT_EQ(num("isConnected a.tx b.tx"), 1);
  EXPECT_EQ(num("isConnected b.tx a.tx"), 0);
  EXPECT_MEL_ERROR("connectAttr a.src b.ty", "The source attribute 'a.src' cannot be found.");
  EXPECT_MEL_ERROR("connectAttr a.ty b.dst", "The destination attribute 'b.dst' cannot be found.");
  EXPECT_MEL_ERROR("connectAttr c.tx b.tx",
                   "'b.translateX' already has an incoming connection from 'a.translateX'");
  EXPECT_MEL_ERROR("connectAttr a.message b.tx", "cannot be connected to");
  eval("connectAttr -f c.tx b.tx");
  EXPECT_EQ(num("isConnected c.tx b.tx"), 1);
  EXPECT_EQ(num("isConnected a.tx b.tx"), 0);
  EXPECT_MEL_ERROR("disconnectAttr a.tx b.tx",
                   "There is no connection from 'a.tx' to 'b.tx' to disconnect");
  eval("disconnectAttr c.tx b.tx");
  EXPECT_EQ(num("isConnected c.tx b.tx"), 0);
  // Angles travel in radians: a rotation driven by a rotation reads the same degrees.
  eval("setAttr a.rz 30; connectAttr a.rz c.rx");
  EXPECT_NEAR(num("getAttr c.rx"), 30, 1e-9);
}

TEST_F(MelScene, ListConnectionsFlags) {
  eval("createNode transform -n a; createNode transform -n b; createNode transform -n c");
  eval("connectAttr a.tx b.tx; connectAttr b.ty c.ty");
  EXPECT_EQ(strings("listConnections b"), (Strings{"a", "c"}));
  EXPECT_EQ(strings("listConnections -s 1 -d 0 b"), Strings{"a"});
  EXPECT_EQ(strings("listConnections -s off b"), Strings{"c"});
  EXPECT_EQ(strings("listConnections -p 1 b.tx"), Strings{"a.translateX"});
  EXPECT_EQ(strings("listConnections -c 1 -p 1 b"),
            (Strings{"b.translateX", "a.translateX", "b.translateY", "c.translateY"}));
  EXPECT_TRUE(strings("listConnections b.tz").empty());
  eval("select c");
  EXPECT_EQ(strings("listConnections"), Strings{"b"});
}

}  // namespace
