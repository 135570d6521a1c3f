// Entry points of zubNodes: the node types that zubBase's commands create.
#include <maya/MFnPlugin.h>
#include <maya/MGlobal.h>
#include <maya/MObject.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include "zubNode001.h"
#include "zubNode_OSC.h"

namespace {

void reportFailure(const char* what, const char* typeName) {
  MGlobal::displayError(MString("zubNodes: cannot ") + what + " node type " + typeName);
}

}  // namespace

PLUGIN_EXPORT MStatus initializePlugin(MObject obj) {
  MFnPlugin plugin(obj, "zub", "1.0", "Any");

  MStatus status = plugin.registerNode(zubNode001::kTypeName, zubNode001::id, zubNode001::creator,
                                       zubNode001::initialize, MPxNode::kDependNode);
  if (!status) {
    reportFailure("register", zubNode001::kTypeName);
    return status;
  }
  status = plugin.registerNode(zubNode_OSC::kTypeName, zubNode_OSC::id, zubNode_OSC::creator,
                               zubNode_OSC::initialize, MPxNode::kDependNode);
  if (!status) {
    reportFailure("register", zubNode_OSC::kTypeName);
    plugin.deregisterNode(zubNode001::id);
    return status;
  }
  return MS::kSuccess;
}

PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj) {
  MFnPlugin plugin(obj);

  MStatus result = MS::kSuccess;
  if (!plugin.deregisterNode(zubNode_OSC::id)) {
    reportFailure("deregister", zubNode_OSC::kTypeName);
    result = MS::kFailure;
  }
  if (!plugin.deregisterNode(zubNode001::id)) {
    reportFailure("deregister", zubNode001::kTypeName);
    result = MS::kFailure;
  }
  return result;
}
