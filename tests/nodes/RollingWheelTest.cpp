// zubNode001 at work: the rolling-wheel rule, its guard against tiny radii,
// pull evaluation through chains of nodes, and the units values travel in.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include <maya/MFnDependencyNode.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MSelectionList.h>
#include <maya/MString.h>

#include "NodesFixture.h"

namespace nodestest {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegreesPerRadian = 180.0 / kPi;

class RollingWheel : public NodesHost {
 protected:
  // A cube driving a new wheel node, wired as zubCmd_zubNode001 wires it.
  std::string rigCube(const std::string& cube) {
    const std::string node = eval("createNode zubNode001").asString();
    EXPECT_TRUE(run("polyCube -n " + cube +
                    ";"
                    "connectAttr " +
                    cube + ".tx " + node +
                    ".distance;"
                    "connectAttr " +
                    cube + ".ty " + node +
                    ".radius;"
                    "connectAttr " +
                    node + ".rotation " + cube + ".rz;"))
        << takeOutput();
    return node;
  }
  double rotation(const std::string& node) { return number("getAttr " + node + ".rotation"); }
  scene::Plug plug(const std::string& name) { return scene().resolvePlug(name); }
};

TEST_F(RollingWheel, CubeRolledOneTurnAlongXTurnsMinus360Degrees) {
  rigCube("wheel");
  ASSERT_TRUE(run("setAttr wheel.tx 6.283185307179586; setAttr wheel.ty 1;"));
  EXPECT_NEAR(number("getAttr wheel.rz"), -360.0, 1e-9);

  // Any point of the roll: a quarter turn, backwards, and a wheel twice as big.
  ASSERT_TRUE(run("setAttr wheel.tx 1.5707963267948966;"));
  EXPECT_NEAR(number("getAttr wheel.rz"), -90.0, 1e-9);
  ASSERT_TRUE(run("setAttr wheel.tx -3.141592653589793;"));
  EXPECT_NEAR(number("getAttr wheel.rz"), 180.0, 1e-9);
  ASSERT_TRUE(run("setAttr wheel.ty 2;"));
  EXPECT_NEAR(number("getAttr wheel.rz"), 90.0, 1e-9);
}

TEST_F(RollingWheel, ZeroOrTinyRadiusGivesNoRotationRatherThanInfinityOrNaN) {
  const std::string node = eval("createNode zubNode001").asString();
  ASSERT_TRUE(run("setAttr " + node + ".distance 5;"));
  for (const char* radius : {"0", "1e-9", "-1e-9", "-0"}) {
    ASSERT_TRUE(run("setAttr " + node + ".radius " + radius + ";"));
    EXPECT_EQ(rotation(node), 0.0) << "radius " << radius;
  }
  // A quotient too large for a double is no rotation either.
  ASSERT_TRUE(run("setAttr " + node + ".distance 1e308; setAttr " + node + ".radius 1e-5;"));
  EXPECT_EQ(rotation(node), 0.0);
  // And a usable radius again computes normally.
  ASSERT_TRUE(run("setAttr " + node + ".distance 3; setAttr " + node + ".radius 2;"));
  EXPECT_NEAR(rotation(node), -1.5 * kDegreesPerRadian, 1e-9);
}

TEST_F(RollingWheel, NewNodeStartsAtRestWithUnitRadius) {
  const std::string node = eval("createNode zubNode001").asString();
  EXPECT_EQ(number("getAttr " + node + ".distance"), 0.0);
  EXPECT_EQ(number("getAttr " + node + ".radius"), 1.0);
  EXPECT_EQ(rotation(node), 0.0);
}

TEST_F(RollingWheel, ChangesPropagateThroughAChainOfTwoNodesWhenRead) {
  // cube.tx -> a.distance; a.rotation -> b.distance; b.rotation -> end.rz
  ASSERT_TRUE(
      run("polyCube -n start; polyCube -n end;"
          "createNode -n a zubNode001; createNode -n b zubNode001;"
          "connectAttr start.tx a.distance;"
          "connectAttr a.rotation b.distance;"
          "connectAttr b.rotation end.rz;"
          "setAttr b.radius 2;"))
      << takeOutput();

  ASSERT_TRUE(run("setAttr start.tx 1;"));
  // Setting the input leaves everything downstream dirty until it is read.
  EXPECT_TRUE(scene().isDirty(plug("a.rotation")));
  EXPECT_TRUE(scene().isDirty(plug("b.rotation")));
  // a turns -1 rad; b rolls that as -1 cm with radius 2: +0.5 rad.
  EXPECT_NEAR(number("getAttr end.rz"), 0.5 * kDegreesPerRadian, 1e-9);
  EXPECT_FALSE(scene().isDirty(plug("a.rotation")));
  EXPECT_FALSE(scene().isDirty(plug("b.rotation")));

  // A second change upstream is seen at the end, not a stale value.
  ASSERT_TRUE(run("setAttr start.tx 4;"));
  EXPECT_NEAR(number("getAttr end.rz"), 2.0 * kDegreesPerRadian, 1e-9);
  // So is a change to the first node's other input.
  ASSERT_TRUE(run("setAttr a.radius 4;"));
  EXPECT_NEAR(number("getAttr end.rz"), 0.5 * kDegreesPerRadian, 1e-9);
  // Breaking the middle link leaves b with the distance it last had.
  ASSERT_TRUE(run("disconnectAttr a.rotation b.distance; setAttr start.tx 100;"));
  EXPECT_NEAR(number("getAttr end.rz"), 0.5 * kDegreesPerRadian, 1e-9);
}

TEST_F(RollingWheel, AnglesCrossConnectionsInRadiansAndShowInDegrees) {
  ASSERT_TRUE(
      run("createNode -n a zubNode001; createNode -n b zubNode001;"
          "setAttr a.distance 1; connectAttr a.rotation b.distance;"));
  // MEL shows the angle in degrees ...
  EXPECT_NEAR(number("getAttr a.rotation"), -kDegreesPerRadian, 1e-9);
  // ... the API reads it in radians ...
  MSelectionList list;
  ASSERT_TRUE(list.add(MString("a")));
  MObject a;
  ASSERT_TRUE(list.getDependNode(0, a));
  MFnDependencyNode fn(a);
  EXPECT_NEAR(fn.findPlug("rotation", true).asDouble(), -1.0, 1e-12);
  // ... and the linear input it feeds receives the internal number: -1 cm.
  EXPECT_NEAR(number("getAttr b.distance"), -1.0, 1e-12);
}

TEST_F(RollingWheel, RotationIsAnOutputAndTheInputsAreKeyableDistances) {
  const std::string node = eval("createNode zubNode001").asString();
  EXPECT_FALSE(run("setAttr " + node + ".rotation 10;"));
  takeOutput();
  // Long and short names both reach the attributes.
  ASSERT_TRUE(run("setAttr " + node + ".dist 2; setAttr " + node + ".rad 4;"));
  EXPECT_NEAR(number("getAttr " + node + ".rot"), -0.5 * kDegreesPerRadian, 1e-9);

  const scene::NodeType* type = scene().findType("zubNode001");
  ASSERT_NE(type, nullptr);
  for (const char* name : {"distance", "radius"}) {
    const scene::AttrDecl& decl = type->attr(type->findAttr(name));
    EXPECT_EQ(decl.type, scene::AttrType::Distance) << name;
    EXPECT_TRUE(decl.keyable) << name;
    EXPECT_TRUE(decl.storable) << name;
  }
  const scene::AttrDecl& rotation = type->attr(type->findAttr("rotation"));
  EXPECT_EQ(rotation.type, scene::AttrType::Angle);
  EXPECT_FALSE(rotation.writable);
  EXPECT_FALSE(rotation.storable);
}

}  // namespace
}  // namespace nodestest
