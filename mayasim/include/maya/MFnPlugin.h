// Function set for the plug-in being loaded: registers its commands and node
// types with the host. Also declares the plug-in's entry points.
#ifndef _MFnPlugin
#define _MFnPlugin

#include <maya/MApiVersion.h>
#include <maya/MDeprecate.h>
#include <maya/MFnBase.h>
#include <maya/MPlugin.h>
#include <maya/MPxNode.h>
#include <maya/MTypes.h>

// The vendor the devkit's own examples register with.
#define PLUGIN_COMPANY "Autodesk"

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MFnPlugin : public MFnBase {
  declareMinimalMFn(MFnPlugin);

 public:
  MFnPlugin();
  // `object` is what the host passed to initializePlugin/uninitializePlugin.
  // The vendor and version of the first MFnPlugin made for a plug-in are kept.
  MFnPlugin(MObject& object, const char* vendor = "Unknown", const char* version = "Unknown",
            const char* requiredApiVersion = "Any", MStatus* ReturnStatus = 0L);

  MString vendor(MStatus* ReturnStatus = NULL) const;
  MString version(MStatus* ReturnStatus = NULL) const;
  MString apiVersion(MStatus* ReturnStatus = NULL) const;
  MString name(MStatus* ReturnStatus = NULL) const;
  MString loadPath(MStatus* ReturnStatus = NULL) const;

  // Adds a MEL command. kFailure, and nothing registered, when a command of
  // that name exists.
  MStatus registerCommand(const MString& commandName, MCreatorFunction creatorFunction,
                          MCreateSyntaxFunction createSyntaxFunction = nullptr);
  MStatus deregisterCommand(const MString& commandName);

  // Adds a node type (MPxNode). kFailure when the name or id is taken.
  MStatus registerNode(const MString& typeName, const MTypeId& typeId,
                       MCreatorFunction creatorFunction, MInitializeFunction initFunction,
                       MPxNode::Type type = MPxNode::kDependNode,
                       const MString* classification = nullptr);
  MStatus deregisterNode(const MTypeId& typeId);

  static MObject findPlugin(const MString& pluginName);
  static bool isNodeRegistered(const MString& typeName);

 private:
  MFnPlugin(const MObject& object, const char* vendor = "Unknown", const char* version = "Unknown",
            const char* requiredApiVersion = "Any", MStatus* ReturnStatus = 0L);
};

OPENMAYA_NAMESPACE_CLOSE

#ifndef SWIG
PLUGIN_EXPORT MStatus initializePlugin(MObject obj);
PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj);
#endif

#endif
