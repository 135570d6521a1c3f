// zubCmd_zubNode001 with the companion node plug-in: which selected objects
// get a rig, how it is wired, undo and redo as one step, and the rig at work.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GeneratorFixture.h"

namespace zubtest {
namespace {

using Names = std::vector<std::string>;

class NodeRig : public GeneratorHost {
 protected:
  void SetUp() override {
    GeneratorHost::SetUp();
#ifdef ZUB_NODES_PLUGIN
    ASSERT_TRUE(loadPlugin(ZUB_NODES_PLUGIN)) << takeOutput();
#else
    GTEST_SKIP() << "zubNodes is not part of this build";
#endif
  }

  Names rigNodes() { return eval("ls -type zubNode001").asStringArray(); }
  bool connected(const std::string& source, const std::string& destination) {
    return eval("isConnected " + source + " " + destination).asInt() != 0;
  }
  // The rig node that drives `transform`'s rotateZ, or "".
  std::string rigOf(const std::string& transform) {
    const Names sources =
        eval("listConnections -s 1 -d 0 " + transform + ".rotateZ").asStringArray();
    return sources.size() == 1 ? sources[0] : std::string();
  }
  void expectWired(const std::string& transform) {
    const std::string node = rigOf(transform);
    ASSERT_FALSE(node.empty()) << transform;
    EXPECT_TRUE(connected(transform + ".translateX", node + ".distance")) << transform;
    EXPECT_TRUE(connected(transform + ".translateY", node + ".radius")) << transform;
    EXPECT_TRUE(connected(node + ".rotation", transform + ".rotateZ")) << transform;
  }
};

TEST_F(NodeRig, EachSelectedTransformGetsItsOwnWiredNode_AsOneUndoStep) {
  ASSERT_TRUE(mel("polyCube; polyCube; polyCube; select -r pCube3 pCube1 pCube2;"));
  ASSERT_TRUE(mel("zubCmd_zubNode001;")) << takeOutput();

  EXPECT_EQ(rigNodes().size(), 3u);
  for (const char* cube : {"pCube1", "pCube2", "pCube3"}) expectWired(cube);
  // Created in selection order, under the names the host gives the type.
  EXPECT_EQ(rigOf("pCube3"), "zubNode1");
  EXPECT_EQ(rigOf("pCube1"), "zubNode2");
  EXPECT_EQ(rigOf("pCube2"), "zubNode3");

  ASSERT_TRUE(mel("undo;")) << takeOutput();
  EXPECT_TRUE(rigNodes().empty());
  for (const char* cube : {"pCube1", "pCube2", "pCube3"}) {
    EXPECT_EQ(rigOf(cube), "") << cube;
    EXPECT_EQ(eval(std::string("listConnections ") + cube + ".translateX").size(), 0u) << cube;
  }
  EXPECT_EQ(eval("objExists pCube3").asInt(), 1) << "one undo undoes the rig only";

  ASSERT_TRUE(mel("redo;")) << takeOutput();
  EXPECT_EQ(rigNodes().size(), 3u);
  for (const char* cube : {"pCube1", "pCube2", "pCube3"}) expectWired(cube);
}

TEST_F(NodeRig, OnlyTransformsInAMixedSelectionAreRigged) {
  ASSERT_TRUE(mel("polyCube; polyCube; createNode polyCube -n loneMaker;"));
  ASSERT_TRUE(mel("select -r pCubeShape1 loneMaker pCube2;"));
  ASSERT_TRUE(mel("zubCmd_zubNode001;")) << takeOutput();
  EXPECT_EQ(rigNodes().size(), 1u);
  expectWired("pCube2");
  EXPECT_EQ(rigOf("pCube1"), "");
}

TEST_F(NodeRig, SelectionWithoutTransformsMakesNothingAndSucceeds) {
  ASSERT_TRUE(mel("select -cl;"));
  EXPECT_TRUE(mel("zubCmd_zubNode001;")) << takeOutput();
  ASSERT_TRUE(mel("polyCube; select -r pCubeShape1 polyCube1;"));
  EXPECT_TRUE(mel("zubCmd_zubNode001;")) << takeOutput();
  EXPECT_TRUE(rigNodes().empty());
}

TEST_F(NodeRig, MovingARiggedCubeAlongXRollsIt) {
  ASSERT_TRUE(mel("polyCube; move -a 0 2 0; zubCmd_zubNode001;")) << takeOutput();
  // A wheel of radius 2 that rolls pi * 2 along +X turns half a turn, clockwise
  // seen from +Z.
  ASSERT_TRUE(mel("setAttr pCube1.translateX 6.283185307179586;"));
  EXPECT_NEAR(eval("getAttr pCube1.rotateZ").asFloat(), -180.0, 1e-6);
  ASSERT_TRUE(mel("setAttr pCube1.translateX -3.141592653589793;"));
  EXPECT_NEAR(eval("getAttr pCube1.rotateZ").asFloat(), 90.0, 1e-6);
}

}  // namespace
}  // namespace zubtest
