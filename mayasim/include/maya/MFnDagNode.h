// Function set for DAG nodes: parents, children and paths.
#ifndef _MFnDagNode
#define _MFnDagNode

#include <maya/MDeprecate.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MObject.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MFnDagNode : public MFnDependencyNode {
  declareDagMFn(MFnDagNode, MFnDependencyNode);

 public:
  enum { kNextPos = 0xff };

  // Creates a DAG node of `type` under `parent` (a new transform when the
  // type is a shape and no parent is given). Not undoable.
  MObject create(const MString& type, MObject& parent = MObject::kNullObj,
                 MStatus* ReturnStatus = NULL);
  MObject create(const MString& type, const MString& name, MObject& parent = MObject::kNullObj,
                 MStatus* ReturnStatus = NULL);

  unsigned int parentCount(MStatus* ReturnStatus = NULL) const;  // 0 under the world
  MObject parent(unsigned int i, MStatus* ReturnStatus = NULL) const;
  unsigned int childCount(MStatus* ReturnStatus = NULL) const;
  MObject child(unsigned int i, MStatus* ReturnStatus = NULL) const;
  // Moves `child` under this node (a DAG node has one parent here).
  MStatus addChild(MObject& child, unsigned int index = kNextPos, bool keepExistingParents = false);

  MStatus getPath(MDagPath& path) const;
  MDagPath dagPath(MStatus* ReturnStatus = NULL) const;
  MString fullPathName(MStatus* ReturnStatus = NULL) const;
  MString partialPathName(MStatus* ReturnStatus = NULL) const;

  // Attaching a function set for a shape type (MFnMesh...) to a transform
  // whose only shape is of that type attaches it to the shape.
  MStatus setObject(MObject& object) override;
  MStatus setObject(const MObject& object) override;
  virtual MStatus setObject(const MDagPath& path);
};

OPENMAYA_NAMESPACE_CLOSE

#endif
