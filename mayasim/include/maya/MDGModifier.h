// Queues changes to the dependency graph; doIt() carries them out in order
// and undoIt() reverts them all. doIt() after undoIt() carries them out again.
#ifndef _MDGModifier
#define _MDGModifier

#include <maya/MDeprecate.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MStatus.h>

#include <memory>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MDGModifier {
 public:
  MDGModifier();
  virtual ~MDGModifier();

  // Queues the creation of a node and returns its object at once: plugs can
  // be found and connected through this modifier before doIt(), which makes
  // that very node. The null object and kInvalidParameter for an unknown type.
  MObject createNode(const MTypeId& typeId, MStatus* ReturnStatus = NULL);
  MObject createNode(const MString& type, MStatus* ReturnStatus = NULL);

  MStatus deleteNode(const MObject& node);
  MStatus deleteNode(const MObject& node, bool includeParents);
  MStatus renameNode(const MObject& node, const MString& newName);

  MStatus connect(const MObject& sourceNode, const MObject& sourceAttr, const MObject& destNode,
                  const MObject& destAttr);
  MStatus connect(const MPlug& source, const MPlug& dest);
  MStatus disconnect(const MObject& sourceNode, const MObject& sourceAttr, const MObject& destNode,
                     const MObject& destAttr);
  MStatus disconnect(const MPlug& source, const MPlug& dest);

  // Queues MEL to run at doIt(). undoIt() does not revert what it did.
  MStatus commandToExecute(const MString& command);
  MStatus newPlugValueDouble(const MPlug& plug, double value);
  MStatus newPlugValueInt(const MPlug& plug, int value);
  MStatus newPlugValueBool(const MPlug& plug, bool value);
  MStatus newPlugValueFloat(const MPlug& plug, float value);
  MStatus newPlugValueString(const MPlug& plug, const MString& value);

  // Carries out what is queued (or redoes it after undoIt()). An operation
  // that fails stops the run and gives kFailure; what already ran stays done.
  MStatus doIt();
  MStatus undoIt();

  static const char* className();

 private:
  MDGModifier(const MDGModifier&);
  MDGModifier& operator=(const MDGModifier&);

  friend struct mayasim::ObjectAccess;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
