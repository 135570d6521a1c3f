#include "SceneFixture.h"

namespace {

using Strings = std::vector<std::string>;

TEST_F(MelScene, PolyCubeThenMoveThenGetAttr) {
  EXPECT_EQ(strings("polyCube"), (Strings{"pCube1", "polyCube1"}));
  eval("move -a 1 2 3");
  EXPECT_DOUBLE_EQ(num("getAttr pCube1.ty"), 2);
  EXPECT_EQ(strings("polyCube -w .5 -h 4 -d 2"), (Strings{"pCube2", "polyCube2"}));
  EXPECT_EQ(strings("listRelatives -f pCube2"), Strings{"|pCube2|pCubeShape2"});
  EXPECT_EQ(strings("listConnections polyCube2"), Strings{"pCubeShape2"});
  EXPECT_DOUBLE_EQ(num("getAttr polyCube2.h"), 4);
  EXPECT_EQ(scene.getMesh(plug("pCubeShape2.outMesh")).depth, 2);
  // The new transform is the selection, so a bare move acts on it.
  EXPECT_EQ(strings("ls -sl"), Strings{"pCube2"});
  eval("move -r 0 1 0");
  EXPECT_DOUBLE_EQ(num("getAttr pCube2.ty"), 1);
  EXPECT_DOUBLE_EQ(num("getAttr pCube1.ty"), 2);
  EXPECT_EQ(strings("polyCube -n box"), (Strings{"box", "polyCube3"}));
  EXPECT_EQ(strings("listRelatives -s box"), Strings{"boxShape"});
}

TEST_F(MelScene, CreateNodeNamesAndSelects) {
  EXPECT_EQ(eval("createNode transform").asString(), "transform1");
  EXPECT_EQ(eval("createNode transform").asString(), "transform2");
  EXPECT_EQ(eval("createNode transform -n foo").asString(), "foo");
  EXPECT_EQ(eval("createNode transform -n foo").asString(), "foo1");
  EXPECT_EQ(eval("createNode transform -n foo -ss").asString(), "foo2");
  EXPECT_EQ(strings("ls -sl"), Strings{"foo1"});
  // A shape gets a transform to live under.
  EXPECT_EQ(eval("createNode mesh").asString(), "meshShape1");
  EXPECT_EQ(strings("listRelatives -p meshShape1"), Strings{"transform3"});
  EXPECT_EQ(eval("createNode locator -p foo").asString(), "locator1");
  EXPECT_EQ(scene.fullPath(scene.resolve("locator1")), "|foo|locator1");
  EXPECT_MEL_ERROR("createNode noSuchType", "Unknown object type: noSuchType");
  EXPECT_MEL_ERROR("createNode transform -p nowhere", "No object matches name: nowhere");
}

TEST_F(MelScene, LsSortsButKeepsSelectionOrder) {
  eval("createNode transform -n b; createNode transform -n a; createNode pointLight -n lamp");
  eval("select b a");
  EXPECT_EQ(strings("ls -sl"), (Strings{"b", "a"}));
  EXPECT_EQ(strings("ls -type transform"), (Strings{"a", "b", "transform1"}));
  EXPECT_EQ(strings("ls -type light"), Strings{"lamp"});
  EXPECT_EQ(strings("ls \"l*\""), Strings{"lamp"});
  EXPECT_EQ(strings("ls -long lamp"), Strings{"|transform1|lamp"});
  EXPECT_EQ(strings("ls -sl -type transform a lamp"), Strings{"a"});
  EXPECT_TRUE(strings("ls nothingLikeThis").empty());
}

TEST_F(MelScene, SelectModesAndErrors) {
  eval("createNode transform -n a; createNode transform -n b; createNode transform -n c");
  eval("select -r a b");
  eval("select -add c");
  eval("select -d a");
  EXPECT_EQ(strings("ls -sl"), (Strings{"b", "c"}));
  eval("select -tgl a b");
  EXPECT_EQ(strings("ls -sl"), (Strings{"c", "a"}));
  eval("select -cl");
  EXPECT_TRUE(strings("ls -sl").empty());
  eval("select \"*\"");
  EXPECT_EQ(strings("ls -sl").size(), 3u);
  EXPECT_MEL_ERROR("select a ghost", "No object matches name: ghost");
  EXPECT_EQ(strings("ls -sl").size(), 3u);  // unchanged by the failure
}

TEST_F(MelScene, DeleteRenameParent) {
  eval("polyCube; polyCube");
  eval("delete pCube1");
  EXPECT_EQ(num("objExists pCube1"), 0);
  EXPECT_EQ(num("objExists pCubeShape1"), 0);
  EXPECT_EQ(num("objExists polyCube1"), 1);
  EXPECT_MEL_ERROR("delete pCube2 ghost", "No object matches name: ghost");
  EXPECT_EQ(num("objExists pCube2"), 1);  // nothing deleted by the failed call
  eval("select -cl");
  EXPECT_MEL_ERROR("delete", "Not enough objects or values.");

  EXPECT_EQ(eval("rename pCube2 box").asString(), "box");
  EXPECT_EQ(strings("listRelatives -c box"), Strings{"boxShape"});
  EXPECT_EQ(eval("rename box \"crate#\"").asString(), "crate1");
  EXPECT_EQ(eval("nodeType crateShape1").asString(), "mesh");

  eval("createNode transform -n group");
  EXPECT_EQ(strings("parent crate1 group"), Strings{"crate1"});
  EXPECT_EQ(strings("listRelatives -ad -f group"),
            (Strings{"|group|crate1|crateShape1", "|group|crate1"}));
  EXPECT_EQ(strings("listRelatives -type mesh -ad group"), Strings{"crateShape1"});
  EXPECT_MEL_ERROR("parent group crate1", "descendants");
  eval("parent -w crate1");
  EXPECT_EQ(scene.fullPath(scene.resolve("crate1")), "|crate1");
  eval("delete group");
  EXPECT_EQ(num("objExists crate1"), 1);
}

TEST_F(MelScene, AmbiguousNamesNeedAPath) {
  eval("createNode transform -n a; createNode transform -n b");
  eval("createNode transform -n leaf -p a; createNode transform -n leaf -p b");
  EXPECT_MEL_ERROR("getAttr leaf.tx", "More than one object matches name: leaf");
  EXPECT_MEL_ERROR("select leaf", "More than one object matches name: leaf");
  EXPECT_EQ(strings("ls leaf"), (Strings{"a|leaf", "b|leaf"}));
  eval("setAttr b|leaf.tx 4");
  EXPECT_DOUBLE_EQ(num("getAttr |b|leaf.tx"), 4);
}

TEST_F(MelScene, WorldSpaceMoveUnderAMovedParent) {
  eval("createNode transform -n parentT; setAttr parentT.t 10 0 0; setAttr parentT.s 2 2 2");
  eval("createNode transform -n kid -p parentT");
  eval("move -a 12 4 0 kid");
  EXPECT_EQ(eval("getAttr kid.t").asFloatArray(), (std::vector<double>{1, 2, 0}));
  EXPECT_EQ(eval("xform -q -ws -t kid").asFloatArray(), (std::vector<double>{12, 4, 0}));
  eval("move -r -os 1 0 0 kid");
  EXPECT_DOUBLE_EQ(num("getAttr kid.tx"), 2);
  // A selected shape moves its transform.
  eval("polyCube; select pCubeShape1; move 0 0 5");
  EXPECT_DOUBLE_EQ(num("getAttr pCube1.tz"), 5);
}

TEST_F(MelScene, FileNewEmptiesTheScene) {
  eval("polyCube; polyCube");
  eval("file -f -new");
  EXPECT_EQ(scene.nodeCount(), 0u);
  EXPECT_TRUE(strings("ls -sl").empty());
  EXPECT_EQ(strings("polyCube"), (Strings{"pCube1", "polyCube1"}));
  EXPECT_MEL_ERROR("file -o \"no/such/scene.ma\"", "cannot read");
}

}  // namespace
