#include "generators/zubCmd_zubNode001.h"

#include <maya/MDagPath.h>
#include <maya/MFn.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnTransform.h>
#include <maya/MGlobal.h>
#include <maya/MItSelectionList.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MSelectionList.h>

#include "nodes/zubNodeTypes.h"

namespace {

// One wire of the rig: a transform channel into the node, or back.
struct Wire {
  const char* nodeAttribute;
  const char* transformAttribute;
  bool intoNode;
};
constexpr Wire kWires[] = {
    {"distance", "translateX", true},
    {"radius", "translateY", true},
    {"rotation", "rotateZ", false},
};

}  // namespace

void* zubCmd_zubNode001::creator() { return new zubCmd_zubNode001; }

zubCmd_zubNode001::~zubCmd_zubNode001() = default;

// Queues one node and its three connections per selected transform; nothing
// changes in the scene until redoIt runs the modifier. A transform whose
// node or plugs cannot be had is passed over: the modifier reports it.
MStatus zubCmd_zubNode001::doIt(const MArgList&) {
  MSelectionList selection;
  MGlobal::getActiveSelectionList(selection);

  for (MItSelectionList it(selection, MFn::kTransform); !it.isDone(); it.next()) {
    MDagPath path;
    it.getDagPath(path);
    MFnTransform transform;
    transform.setObject(path);

    const MObject node = modifier_.createNode(zubNodes::kZubNode001TypeName);
    MFnDependencyNode nodeFn(node);
    for (const Wire& wire : kWires) {
      const MPlug nodePlug = nodeFn.findPlug(wire.nodeAttribute, true);
      const MPlug transformPlug = transform.findPlug(wire.transformAttribute, true);
      if (wire.intoNode)
        modifier_.connect(transformPlug, nodePlug);
      else
        modifier_.connect(nodePlug, transformPlug);
    }
  }
  return redoIt();
}

MStatus zubCmd_zubNode001::undoIt() { return modifier_.undoIt(); }

MStatus zubCmd_zubNode001::redoIt() { return modifier_.doIt(); }

bool zubCmd_zubNode001::isUndoable() const { return true; }
