// Plug-in node types as the host sees them: creation and naming, undo of
// creation, modifiers, what the OSC marker records, and unloading the
// plug-in while its nodes exist or after they are gone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include <maya/MDGModifier.h>
#include <maya/MFn.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MObject.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>

#include "NodesFixture.h"

namespace nodestest {
namespace {

using Names = std::vector<std::string>;

// "YYYY-MM-DD hh:mm:ss"
bool isTimestamp(const std::string& text) {
  const std::string shape = "dddd-dd-dd dd:dd:dd";
  if (text.size() != shape.size()) return false;
  for (std::size_t i = 0; i < shape.size(); ++i) {
    const bool digit = std::isdigit(static_cast<unsigned char>(text[i])) != 0;
    if (shape[i] == 'd' ? !digit : text[i] != shape[i]) return false;
  }
  return true;
}

class NodeTypes : public NodesHost {
 protected:
  // Sorted: the order ls lists nodes in is not what is being tested.
  Names ls(const std::string& type) {
    Names names = eval("ls -type " + type).asStringArray();
    std::sort(names.begin(), names.end());
    return names;
  }
  bool unload() { return run("unloadPlugin zubNodes;"); }
};

TEST_F(NodeTypes, CreatedLikeBuiltInNodesWithNamesFromTheTypeName) {
  EXPECT_EQ(eval("createNode zubNode001").asString(), "zubNode1");
  EXPECT_EQ(eval("createNode zubNode001").asString(), "zubNode2");
  EXPECT_EQ(eval("createNode -n wheel zubNode001").asString(), "wheel");
  EXPECT_EQ(eval("createNode zubNode_OSC").asString(), "zubNode_OSC1");

  EXPECT_EQ(eval("nodeType zubNode2").asString(), "zubNode001");
  EXPECT_EQ(eval("nodeType zubNode_OSC1").asString(), "zubNode_OSC");
  EXPECT_EQ(ls("zubNode001"), (Names{"wheel", "zubNode1", "zubNode2"}));
  EXPECT_EQ(ls("zubNode_OSC"), (Names{"zubNode_OSC1"}));
}

TEST_F(NodeTypes, NodeObjectKnowsItsNodeNameAndTypeId) {
  ASSERT_TRUE(run("createNode -n wheel zubNode001;"));
  const scene::Node* node = scene().node(scene().resolve("wheel"));
  ASSERT_NE(node, nullptr);
  const auto* object = static_cast<const MPxNode*>(node->userData.get());
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(object->name(), MString("wheel"));
  EXPECT_EQ(object->typeId(), MTypeId(0x7A001));
  EXPECT_EQ(MFnDependencyNode(object->thisMObject()).name(), MString("wheel"));
  EXPECT_TRUE(object->thisMObject().hasFn(MFn::kPluginDependNode));
}

TEST_F(NodeTypes, UndoOfCreateNodeRemovesTheNodeAndItsConnections_RedoBringsThemBack) {
  ASSERT_TRUE(run("polyCube -n cube; setAttr cube.tx 3.141592653589793; setAttr cube.ty 1;"));
  ASSERT_TRUE(run("createNode -n wheel zubNode001;"));
  ASSERT_TRUE(run("connectAttr cube.tx wheel.distance;"));
  ASSERT_TRUE(run("connectAttr wheel.rotation cube.rz;"));
  EXPECT_NEAR(number("getAttr cube.rz"), -180.0, 1e-9);

  ASSERT_TRUE(run("undo; undo; undo;")) << takeOutput();
  EXPECT_EQ(eval("objExists wheel").asInt(), 0);
  EXPECT_TRUE(eval("listConnections cube").asStringArray().empty());

  ASSERT_TRUE(run("redo; redo; redo;")) << takeOutput();
  EXPECT_EQ(eval("objExists wheel").asInt(), 1);
  EXPECT_EQ(eval("isConnected wheel.rotation cube.rz").asInt(), 1);
  // The node that came back computes again.
  ASSERT_TRUE(run("setAttr cube.tx 6.283185307179586;"));
  EXPECT_NEAR(number("getAttr cube.rz"), -360.0, 1e-9);
}

TEST_F(NodeTypes, ModifierCreatesByNameOrTypeIdAndUndoesIt) {
  MDGModifier modifier;
  MStatus byName, byId;
  const MObject first = modifier.createNode(MString("zubNode001"), &byName);
  const MObject second = modifier.createNode(MTypeId(0x7A002), &byId);
  ASSERT_TRUE(byName);
  ASSERT_TRUE(byId);
  ASSERT_TRUE(modifier.doIt());
  EXPECT_EQ(ls("zubNode001"), (Names{"zubNode1"}));
  EXPECT_EQ(ls("zubNode_OSC"), (Names{"zubNode_OSC1"}));
  EXPECT_EQ(MFnDependencyNode(first).typeName(), MString("zubNode001"));
  EXPECT_EQ(MFnDependencyNode(second).typeName(), MString("zubNode_OSC"));

  ASSERT_TRUE(modifier.undoIt());
  EXPECT_TRUE(ls("zubNode001").empty());
  EXPECT_TRUE(ls("zubNode_OSC").empty());
}

TEST_F(NodeTypes, OscMarkerRecordsWhenItWasMadeAndKeepsItThroughUndo) {
  ASSERT_TRUE(run("createNode zubNode_OSC;"));
  const std::string stamp = eval("getAttr zubNode_OSC1.switchedOnAt").asString();
  EXPECT_TRUE(isTimestamp(stamp)) << stamp;

  ASSERT_TRUE(run("undo; redo;"));
  EXPECT_EQ(eval("getAttr zubNode_OSC1.switchedOnAt").asString(), stamp);
  // Stamping is part of making the node, not a step of its own.
  ASSERT_TRUE(run("undo;"));
  EXPECT_EQ(eval("objExists zubNode_OSC1").asInt(), 0);
}

TEST_F(NodeTypes, UnloadIsRefusedWhileNodesExistAndAllowedOnceTheSceneIsNew) {
  ASSERT_TRUE(run("createNode zubNode001;"));
  EXPECT_FALSE(unload());
  const std::string refusal = takeOutput();
  EXPECT_NE(refusal.find("zubNode001"), std::string::npos) << refusal;
  EXPECT_NE(scene().findType("zubNode001"), nullptr);
  EXPECT_EQ(eval("getAttr zubNode1.radius").asFloat(), 1.0);

  ASSERT_TRUE(run("file -f -new;"));
  ASSERT_TRUE(unload()) << takeOutput();
  EXPECT_EQ(scene().findType("zubNode001"), nullptr);
  EXPECT_EQ(scene().findType("zubNode_OSC"), nullptr);
  EXPECT_FALSE(run("createNode zubNode001;"));
  takeOutput();

  // Loading again registers the types afresh.
  ensureLoaded("zubNodes", "zubNode001");
  ASSERT_TRUE(
      run("createNode -n wheel zubNode001;"
          "setAttr wheel.distance 2; setAttr wheel.radius 2;"));
  EXPECT_NEAR(number("getAttr wheel.rotation"), -180.0 / 3.14159265358979323846, 1e-9);
}

TEST_F(NodeTypes, UnloadNeverLeavesUndoThatNeedsTheUnloadedCode) {
  // With the node deleted but its creation and deletion still undoable, the
  // host may refuse the unload or forget those steps; either way undo then
  // works without the plug-in's code.
  ASSERT_TRUE(run("createNode zubNode001; delete zubNode1;"));
  const bool unloaded = unload();
  takeOutput();
  EXPECT_EQ(scene().findType("zubNode001") == nullptr, unloaded);
  ASSERT_TRUE(run("undo;"));
  EXPECT_EQ(eval("objExists zubNode1").asInt(), unloaded ? 0 : 1);

  // Once the nodes are gone and undo forgotten, unloading goes ahead.
  ASSERT_TRUE(run("file -f -new; flushUndo;"));
  ASSERT_TRUE(scene().findType("zubNode001") == nullptr || unload()) << takeOutput();
}

}  // namespace
}  // namespace nodestest
