// A path from the world to a DAG node (this host has no instancing, so a
// node has exactly one path).
#ifndef _MDagPath
#define _MDagPath

#include <maya/MDeprecate.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MDagPath {
 public:
  MDagPath();
  MDagPath(const MDagPath& other);
  virtual ~MDagPath();
  MDagPath& operator=(const MDagPath& other);
  bool operator==(const MDagPath& other) const;

  // The path to a DAG node; kInvalidParameter for anything else.
  static MStatus getAPathTo(const MObject& node, MDagPath& path);

  MObject node(MStatus* ReturnStatus = NULL) const;
  // The node itself when it is a transform, else its parent transform.
  MObject transform(MStatus* ReturnStatus = NULL) const;
  bool hasFn(MFn::Type type, MStatus* ReturnStatus = NULL) const;
  MFn::Type apiType(MStatus* ReturnStatus = NULL) const;
  // False for an empty path and for one whose node was deleted.
  bool isValid(MStatus* ReturnStatus = NULL) const;
  // From a transform to its only shape; kFailure when it has none or several.
  MStatus extendToShape();
  MString fullPathName(MStatus* ReturnStatus = NULL) const;     // "|pCube1|pCubeShape1"
  MString partialPathName(MStatus* ReturnStatus = NULL) const;  // shortest unique: "pCubeShape1"

  static const char* className();

 private:
  friend struct mayasim::ObjectAccess;
  MObject node_;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
