// Function set for dependency nodes: name, type and attributes.
#ifndef _MFnDependencyNode
#define _MFnDependencyNode

#include <maya/MDeprecate.h>
#include <maya/MFnBase.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MFnDependencyNode : public MFnBase {
  declareMFn(MFnDependencyNode, MFnBase);

 public:
  enum MAttrClass { kLocalDynamicAttr = 1, kNormalAttr, kExtensionAttr, kInvalidAttr };

  // Creates a node of a registered type at once (not undoable; MDGModifier is).
  MObject create(const MString& type, MStatus* ReturnStatus = NULL);
  MObject create(const MString& type, const MString& name, MStatus* ReturnStatus = NULL);

  MString typeName(MStatus* ReturnStatus = NULL) const;
  // A node that an MDGModifier has yet to create has no name: "".
  MString name(MStatus* ReturnStatus = NULL) const;
  MString absoluteName(MStatus* ReturnStatus = NULL) const;
  // Gives the node `name`, made unique; returns the name it got.
  MString setName(const MString& name, bool createNamespace = false, MStatus* ReturnStatus = NULL);

  // By long or short name; kInvalidParameter and the null object when absent.
  MObject attribute(const MString& attrName, MStatus* ReturnStatus = NULL) const;
  bool hasAttribute(const MString& name, MStatus* ReturnStatus = NULL) const;
  unsigned int attributeCount(MStatus* ReturnStatus = NULL) const;

  // The plug of one attribute (long or short name). A null plug and
  // kInvalidParameter when the node has no such attribute.
  MPlug findPlug(const MObject& attr, bool wantNetworkedPlug, MStatus* ReturnStatus = NULL) const;
  MPlug findPlug(const MString& attrName, bool wantNetworkedPlug,
                 MStatus* ReturnStatus = NULL) const;
  OPENMAYA_DEPRECATED(2019, "use findPlug(attr, wantNetworkedPlug)")
  MPlug findPlug(const MObject& attr, MStatus* ReturnStatus = NULL) const;
  OPENMAYA_DEPRECATED(2019, "use findPlug(attrName, wantNetworkedPlug)")
  MPlug findPlug(const MString& attrName, MStatus* ReturnStatus = NULL) const;

  // The plug-in object behind a node of a plug-in type, else NULL.
  MPxNode* userNode(MStatus* ReturnStatus = NULL) const;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
