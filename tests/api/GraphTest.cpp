// Function sets, selection and MDGModifier over the scene.
#include <gtest/gtest.h>
#include <maya/MDGModifier.h>
#include <maya/MDagPath.h>
#include <maya/MFn.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnMesh.h>
#include <maya/MFnTransform.h>
#include <maya/MGlobal.h>
#include <maya/MItSelectionList.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MSelectionList.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

#include <cmath>

namespace {
const double kPi = std::acos(-1.0);
}

#include "HostFixture.h"
#include "api/ObjectAccess.h"
#include "scene/Scene.h"

namespace {

class Graph : public HostTest {
 protected:
  MObject byName(const char* name) {
    MSelectionList list;
    EXPECT_TRUE(list.add(name)) << name;
    MObject o;
    list.getDependNode(0, o);
    return o;
  }
  std::vector<std::string> walk(MFn::Type filter) {
    MSelectionList active;
    MGlobal::getActiveSelectionList(active);
    std::vector<std::string> names;
    for (MItSelectionList it(active, filter); !it.isDone(); it.next()) {
      MDagPath path;
      MObject node;
      it.getDependNode(node);
      if (it.getDagPath(path))
        names.emplace_back(path.partialPathName().asChar());
      else
        names.emplace_back(MFnDependencyNode(node).name().asChar());
    }
    return names;
  }
};

}  // namespace

TEST_F(Graph, ModifierNodeExistsAtOnceForPlugsAndAfterDoIt) {
  mel("polyCube");
  MObject cube = byName("pCube1");
  MDGModifier mod;
  MStatus st;
  MObject node = mod.createNode("transform", &st);
  ASSERT_TRUE(st);
  EXPECT_FALSE(node.isNull());
  EXPECT_TRUE(node.hasFn(MFn::kTransform));
  scene::NodeId id = mayasim::nodeIdOf(node);
  EXPECT_FALSE(host().scene().exists(id));  // not made before doIt

  // Plugs of the pending node can be found and connected at once.
  MFnDependencyNode fn(node);
  MPlug src = MFnDependencyNode(cube).findPlug("tx", true, &st);
  ASSERT_TRUE(st);
  MPlug dst = fn.findPlug("translateY", true, &st);
  ASSERT_TRUE(st);
  ASSERT_TRUE(mod.connect(src, dst));
  EXPECT_EQ(fn.name(), "");

  ASSERT_TRUE(mod.doIt());
  EXPECT_TRUE(host().scene().exists(id));
  EXPECT_EQ(fn.name(), "transform1");
  mel("setAttr pCube1.tx 4");
  EXPECT_DOUBLE_EQ(mel("getAttr transform1.ty").asFloat(), 4.0);
  EXPECT_STREQ(dst.name().asChar(), "transform1.translateY");
  EXPECT_DOUBLE_EQ(dst.asDouble(), 4.0);

  ASSERT_TRUE(mod.undoIt());
  EXPECT_FALSE(host().scene().exists(id));
  EXPECT_FALSE(node.isNull());  // undo may bring it back
  ASSERT_TRUE(mod.doIt());      // redo: the very same node
  EXPECT_TRUE(host().scene().exists(id));
  EXPECT_EQ(fn.name(), "transform1");
  EXPECT_DOUBLE_EQ(mel("getAttr transform1.ty").asFloat(), 4.0);
  EXPECT_EQ(host().scene().undoQueue().undoCount(), 2u);  // the two MEL commands only
}

TEST_F(Graph, ModifierFailuresAndReverseUndo) {
  MDGModifier mod;
  MStatus st;
  EXPECT_TRUE(mod.createNode("noSuchType", &st).isNull());
  EXPECT_EQ(st, MS::kInvalidParameter);

  MObject a = mod.createNode("transform");
  MObject b = mod.createNode("transform");
  MFnDependencyNode fa(a), fb(b);
  ASSERT_TRUE(mod.connect(fa.findPlug("tx", true), fb.findPlug("ty", true)));
  ASSERT_TRUE(mod.renameNode(b, "second"));
  ASSERT_TRUE(mod.doIt());
  EXPECT_EQ(fb.name(), "second");
  // A second input into the same plug is refused at doIt.
  MDGModifier clash;
  ASSERT_TRUE(clash.connect(fb.findPlug("tz", true), fb.findPlug("ty", true)));
  EXPECT_FALSE(clash.doIt());

  ASSERT_TRUE(mod.undoIt());
  EXPECT_EQ(host().scene().nodeCount(), 0u);
}

TEST_F(Graph, ModifierDeleteAndValueChangesUndo) {
  mel("polyCube; setAttr pCube1.ty 3");
  MObject cube = byName("pCube1");
  MDGModifier mod;
  ASSERT_TRUE(mod.newPlugValueDouble(MFnDependencyNode(cube).findPlug("tx", true), 2.5));
  ASSERT_TRUE(mod.doIt());
  EXPECT_DOUBLE_EQ(mel("getAttr pCube1.tx").asFloat(), 2.5);

  MDGModifier del;
  ASSERT_TRUE(del.deleteNode(cube));
  ASSERT_TRUE(del.doIt());
  EXPECT_EQ(mel("objExists pCubeShape1").asInt(), 0);
  ASSERT_TRUE(del.undoIt());
  EXPECT_EQ(mel("objExists pCubeShape1").asInt(), 1);
  EXPECT_DOUBLE_EQ(mel("getAttr pCube1.ty").asFloat(), 3.0);
  MFnMesh mesh(cube);
  EXPECT_EQ(mesh.numVertices(), 8);  // the shape is fed by polyCube1 again

  ASSERT_TRUE(mod.undoIt());
  EXPECT_DOUBLE_EQ(mel("getAttr pCube1.tx").asFloat(), 0.0);
}

TEST_F(Graph, SelectionIteratorFilters) {
  mel("polyCube; createNode transform -n loose; polyCube;");
  mel("createNode pointLight");  // under transform1
  mel("select -r pCube1 loose polyCube2 transform1");
  EXPECT_EQ(walk(MFn::kInvalid),
            (std::vector<std::string>{"pCube1", "loose", "polyCube2", "transform1"}));
  EXPECT_EQ(walk(MFn::kTransform), (std::vector<std::string>{"pCube1", "loose", "transform1"}));
  // A transform that does not match is searched below: its mesh shape.
  EXPECT_EQ(walk(MFn::kMesh), (std::vector<std::string>{"pCubeShape1"}));
  EXPECT_EQ(walk(MFn::kDependencyNode).size(), 4u);
  EXPECT_EQ(walk(MFn::kCamera).size(), 0u);
}

TEST_F(Graph, MeshSetAttachesToShapeOrItsTransform) {
  mel("polyCube; createNode pointLight;");
  MDagPath cubePath, lightPath;
  ASSERT_TRUE(MDagPath::getAPathTo(byName("pCube1"), cubePath));
  ASSERT_TRUE(MDagPath::getAPathTo(byName("transform1"), lightPath));

  MFnMesh mesh;
  ASSERT_TRUE(mesh.setObject(cubePath));
  EXPECT_STREQ(mesh.name().asChar(), "pCubeShape1");
  EXPECT_EQ(mesh.numVertices(), 8);
  EXPECT_EQ(mesh.numPolygons(), 6);

  MStatus st;
  MFnMesh fromShape(byName("pCubeShape1"), &st);
  EXPECT_TRUE(st);
  EXPECT_STREQ(fromShape.fullPathName().asChar(), "|pCube1|pCubeShape1");

  EXPECT_EQ(mesh.setObject(lightPath), MS::kInvalidParameter);
  EXPECT_TRUE(mesh.object().isNull());  // left unattached
  EXPECT_STREQ(mesh.name().asChar(), "");
  EXPECT_EQ(mesh.numVertices(&st), 0);
  EXPECT_FALSE(st);
  EXPECT_EQ(mesh.setObject(byName("polyCube1")), MS::kInvalidParameter);
}

TEST_F(Graph, TypeHierarchyAndDagPaths) {
  mel("polyCube");
  MObject t = byName("pCube1");
  EXPECT_TRUE(t.hasFn(MFn::kTransform));
  EXPECT_TRUE(t.hasFn(MFn::kDagNode));
  EXPECT_TRUE(t.hasFn(MFn::kDependencyNode));
  EXPECT_FALSE(t.hasFn(MFn::kMesh));
  EXPECT_EQ(t.apiType(), MFn::kTransform);
  MObject creator = byName("polyCube1");
  EXPECT_TRUE(creator.hasFn(MFn::kDependencyNode));
  EXPECT_FALSE(creator.hasFn(MFn::kDagNode));

  MDagPath path;
  ASSERT_TRUE(MDagPath::getAPathTo(t, path));
  EXPECT_EQ(MDagPath::getAPathTo(creator, path), MS::kInvalidParameter);
  ASSERT_TRUE(MDagPath::getAPathTo(t, path));
  ASSERT_TRUE(path.extendToShape());
  EXPECT_EQ(path.apiType(), MFn::kMesh);
  EXPECT_TRUE(path.transform() == t);
  EXPECT_STREQ(path.fullPathName().asChar(), "|pCube1|pCubeShape1");

  MFnDagNode dag(t);
  EXPECT_EQ(dag.childCount(), 1u);
  EXPECT_EQ(dag.parentCount(), 0u);
  MFnDagNode shape(dag.child(0));
  EXPECT_TRUE(shape.parent(0) == t);

  mel("delete pCube1");
  EXPECT_FALSE(path.isValid());
}

TEST_F(Graph, TransformAndPlugValuesInInternalUnits) {
  mel("polyCube; setAttr pCube1.rz 90");
  MFnTransform fn(byName("pCube1"));
  ASSERT_TRUE(fn.setTranslation(MVector(1, 2, 3), MSpace::kTransform));
  EXPECT_DOUBLE_EQ(mel("getAttr pCube1.ty").asFloat(), 2.0);
  MPlug rz = fn.findPlug("rotateZ", true);
  EXPECT_NEAR(rz.asDouble(), kPi / 2, 1e-12);
  EXPECT_TRUE(rz.setDouble(kPi));
  EXPECT_NEAR(mel("getAttr pCube1.rz").asFloat(), 180.0, 1e-9);
  MPlug translate = fn.findPlug("t", true);
  EXPECT_TRUE(translate.isCompound());
  EXPECT_EQ(translate.numChildren(), 3u);
  EXPECT_STREQ(translate.child(2).name().asChar(), "pCube1.translateZ");
  const MPlug tz = translate.child(2);
  EXPECT_STREQ(tz.partialName().asChar(), "tz");
  EXPECT_STREQ(tz.partialName(true).asChar(), "pCube1.tz");
  EXPECT_STREQ(tz.partialName(false, false, false, false, false, true).asChar(), "translateZ");
  EXPECT_STREQ(tz.partialName(true, false, false, false, false, true).asChar(),
               "pCube1.translateZ");
  EXPECT_STREQ(MPlug().partialName().asChar(), "");
  EXPECT_TRUE(fn.findPlug("nope", true).isNull());
  mel("connectAttr pCube1.tx pCube1.ty");
  EXPECT_FALSE(fn.findPlug("ty", true).setDouble(5));  // connected
}

TEST_F(Graph, UndoingADeleteRestoresConnectionsBothWays) {
  mel("polyCube; createNode transform -n driven; connectAttr pCube1.tx driven.ty;");
  mel("connectAttr driven.tz pCube1.ty; setAttr driven.rx 0.5");
  MObject driven = byName("driven");
  scene::NodeId id = mayasim::nodeIdOf(driven);
  MDGModifier del;
  ASSERT_TRUE(del.deleteNode(driven));
  ASSERT_TRUE(del.doIt());
  EXPECT_EQ(mel("objExists driven").asInt(), 0);
  ASSERT_TRUE(del.undoIt());
  EXPECT_TRUE(host().scene().exists(id));  // the same node
  EXPECT_EQ(mel("isConnected pCube1.tx driven.ty").asInt(), 1);
  EXPECT_EQ(mel("isConnected driven.tz pCube1.ty").asInt(), 1);
  EXPECT_NEAR(mel("getAttr driven.rx").asFloat(), 0.5, 1e-9);
}

TEST_F(Graph, ModifierRunsOnlyNewOperationsAndMel) {
  MDGModifier mod;
  mod.createNode("transform");
  ASSERT_TRUE(mod.doIt());
  ASSERT_TRUE(mod.commandToExecute("createNode transform -n byMel"));
  ASSERT_TRUE(mod.doIt());  // the first creation is not made twice
  EXPECT_EQ(host().scene().nodeCount(), 2u);
  EXPECT_EQ(mel("objExists byMel").asInt(), 1);
  EXPECT_FALSE(mod.commandToExecute(""));
  MDGModifier broken;
  ASSERT_TRUE(broken.commandToExecute("noSuchCommand"));
  EXPECT_FALSE(broken.doIt());
}

TEST_F(Graph, DagCreateGivesAShapeATransform) {
  MFnDagNode fn;
  MStatus st;
  MObject top = fn.create("mesh", "meshy", MObject::kNullObj, &st);
  ASSERT_TRUE(st);
  EXPECT_TRUE(top.hasFn(MFn::kTransform));
  EXPECT_STREQ(fn.name().asChar(), "meshy");
  EXPECT_TRUE(fn.parent(0) == top);
  EXPECT_EQ(host().scene().undoQueue().undoCount(), 0u);  // function sets do not record
  MFnTransform t;
  MObject child = t.create(top);
  EXPECT_STREQ(t.fullPathName().asChar(), "|transform1|transform2");
  EXPECT_TRUE(MFnDagNode(top).child(1) == child);
}
