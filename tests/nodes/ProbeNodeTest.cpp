// The data block and attribute function sets, through the zubProbe test node
// and directly: defaults and limits, every kind of output a compute writes,
// and compute running only for dirty outputs that are read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <maya/MAngle.h>
#include <maya/MDistance.h>
#include <maya/MFn.h>
#include <maya/MFnAttribute.h>
#include <maya/MFnData.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnNumericData.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MFnUnitAttribute.h>
#include <maya/MObject.h>
#include <maya/MPxNode.h>
#include <maya/MSelectionList.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include "NodesFixture.h"
#include "api/ObjectAccess.h"

namespace nodestest {
namespace {

class ProbeNode : public NodesHost {
 protected:
  void SetUp() override {
    NodesHost::SetUp();
    ensureLoaded("probeNodes", "zubProbe");
    ASSERT_TRUE(run("createNode -n p zubProbe;")) << takeOutput();
  }
  int computes() { return eval("zubProbeComputes").asInt(); }
};

TEST_F(ProbeNode, DefaultsAndLimitsComeFromTheFunctionSets) {
  EXPECT_EQ(eval("getAttr p.flag").asInt(), 1);
  EXPECT_EQ(eval("getAttr p.count").asInt(), 3);
  EXPECT_EQ(number("getAttr p.gain"), 2.0);  // set after create
  EXPECT_EQ(number("getAttr p.amount"), 0.5);
  EXPECT_EQ(number("getAttr p.unowned"), 7.0);

  ASSERT_TRUE(run("setAttr p.count 50;"));
  EXPECT_EQ(eval("getAttr p.count").asInt(), 10);
  ASSERT_TRUE(run("setAttr p.count -4;"));
  EXPECT_EQ(eval("getAttr p.count").asInt(), 0);
  ASSERT_TRUE(run("setAttr p.amount -7;"));
  EXPECT_EQ(number("getAttr p.amount"), -1.0);
}

TEST_F(ProbeNode, ComputeWritesEveryKindOfOutput) {
  EXPECT_EQ(number("getAttr p.total"), 0.5 * 2 + 3);
  ASSERT_TRUE(run("setAttr p.flag 0;"));
  EXPECT_EQ(number("getAttr p.total"), -1.0);

  ASSERT_TRUE(run("setAttr -type \"string\" p.label \"wheel\";"));
  EXPECT_EQ(eval("getAttr p.labelOut").asString(), "wheel!");

  // A compound output, whichever child is read first.
  EXPECT_EQ(number("getAttr p.tripleY"), 0.5);
  EXPECT_EQ(eval("getAttr p.triple").asFloatArray(), (std::vector<double>{3, 0.5, 2}));

  // Written through a reference and not cleaned: still stored.
  ASSERT_TRUE(run("setAttr p.count 4;"));
  EXPECT_EQ(eval("getAttr p.whole").asInt(), 8);
  // An output compute does not handle keeps its own value.
  EXPECT_EQ(number("getAttr p.unowned"), 7.0);
}

TEST_F(ProbeNode, ComputeRunsOnlyWhenADirtyOutputIsRead) {
  EXPECT_EQ(number("getAttr p.total"), 4.0);
  int before = computes();
  EXPECT_EQ(number("getAttr p.total"), 4.0);
  EXPECT_EQ(computes(), before) << "a clean output was computed again";

  ASSERT_TRUE(run("setAttr p.gain 3;"));
  EXPECT_EQ(computes(), before) << "setting an input computed eagerly";
  EXPECT_EQ(number("getAttr p.total"), 4.5);
  EXPECT_EQ(computes(), before + 1);

  // An output the changed input does not affect stays clean.
  ASSERT_TRUE(run("setAttr -type \"string\" p.label \"x\";"));
  EXPECT_EQ(eval("getAttr p.labelOut").asString(), "x!");
  before = computes();
  ASSERT_TRUE(run("setAttr p.gain 4;"));
  EXPECT_EQ(eval("getAttr p.labelOut").asString(), "x!");
  EXPECT_EQ(computes(), before);
}

TEST_F(ProbeNode, TypesTakeNeitherATakenNameNorATakenId) {
  // The probe plug-in tried both while loading; each was refused with a reason.
  ASSERT_NE(scene().findType("zubProbe"), nullptr);
  EXPECT_EQ(scene().findType("zubProbeTwin"), nullptr);
  EXPECT_EQ(host().nodeTypeName(0x7A0F1), "");
  EXPECT_EQ(host().nodeTypeName(0x7A0F0), "zubProbe");
}

TEST_F(ProbeNode, RegisteredAttributesCanBeReadButNotChanged) {
  MSelectionList list;
  ASSERT_TRUE(list.add(MString("p")));
  MObject node;
  ASSERT_TRUE(list.getDependNode(0, node));
  MStatus status;
  MFnNumericAttribute count(MFnDependencyNode(node).attribute("count"), &status);
  ASSERT_TRUE(status);
  EXPECT_EQ(count.name(), MString("count"));
  EXPECT_EQ(count.unitType(), MFnNumericData::kLong);
  double max = 0;
  EXPECT_TRUE(count.getMax(max));
  EXPECT_EQ(max, 10.0);
  EXPECT_FALSE(count.setKeyable(true));
  // A numeric set does not attach to a string attribute.
  MFnNumericAttribute label(MFnDependencyNode(node).attribute("label"), &status);
  EXPECT_EQ(status, MS::kInvalidParameter);
}

// ---------------------------------------------------------------------------
// Function sets on their own, outside any node type.

double defaultOf(const MObject& attr) {
  return mayasim::ObjectAccess::attrDecl(attr)->defaultValue;
}

TEST(AttributeFunctionSets, CreateKeepsNamesFlagsAndDefaultsInInternalUnits) {
  MFnUnitAttribute unit;
  MStatus status;
  MObject angle = unit.create("spin", "sp", MAngle(90, MAngle::kDegrees), &status);
  ASSERT_TRUE(status);
  EXPECT_TRUE(angle.hasFn(MFn::kUnitAttribute));
  EXPECT_EQ(unit.unitType(), MFnUnitAttribute::kAngle);
  EXPECT_EQ(unit.shortName(), MString("sp"));
  // Maya's defaults, then what the setters changed.
  EXPECT_TRUE(unit.isReadable() && unit.isWritable() && unit.isStorable() && unit.isCached());
  EXPECT_FALSE(unit.isKeyable() || unit.isHidden() || unit.isArray());
  ASSERT_TRUE(unit.setKeyable(true));
  EXPECT_TRUE(MFnAttribute(angle).isKeyable());
  // A limit in the wrong kind of unit is refused.
  EXPECT_EQ(unit.setMin(MDistance(1.0)), MS::kInvalidParameter);

  MObject length = unit.create("reach", "re", MDistance(2, MDistance::kMeters));
  ASSERT_TRUE(unit.setMax(MDistance(3, MDistance::kMeters)));
  MFnNumericAttribute asNumber;
  EXPECT_EQ(asNumber.setObject(length), MS::kInvalidParameter);
  EXPECT_NEAR(defaultOf(angle), 1.5707963267948966, 1e-12);
  EXPECT_EQ(defaultOf(length), 200.0);
}

TEST(AttributeFunctionSets, KindsThisHostLacksAreRefused) {
  MStatus status;
  MFnNumericAttribute num;
  EXPECT_TRUE(num.create("pair", "pr", MFnNumericData::k2Double, 0, &status).isNull());
  EXPECT_EQ(status, MS::kNotImplemented);
  MObject a = num.create("a", "a", MFnNumericData::kDouble);
  MObject b = num.create("b", "b", MFnNumericData::kDouble);
  EXPECT_TRUE(num.create("ab", "ab", a, b, MObject::kNullObj, &status).isNull());
  EXPECT_EQ(status, MS::kInvalidParameter);
  EXPECT_EQ(num.setArray(true), MS::kNotImplemented);

  MFnUnitAttribute unit;
  EXPECT_TRUE(unit.create("t", "t", MFnUnitAttribute::kTime, 0, &status).isNull());
  EXPECT_EQ(status, MS::kNotImplemented);
  MFnTypedAttribute typed;
  EXPECT_TRUE(typed.create("m", "m", MFnData::kMatrix, MObject::kNullObj, &status).isNull());
  EXPECT_EQ(status, MS::kNotImplemented);

  // Attributes join a type only while its initialize function runs.
  EXPECT_EQ(MPxNode::addAttribute(a), MS::kFailure);
  EXPECT_EQ(MPxNode::attributeAffects(a, b), MS::kFailure);
}

}  // namespace
}  // namespace nodestest
