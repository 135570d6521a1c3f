// Function set for polygon meshes. Attaches to a mesh shape, or to a
// transform whose only shape is a mesh (the set then works on that shape).
#ifndef _MFnMesh
#define _MFnMesh

#include <maya/MDGModifier.h>
#include <maya/MDeprecate.h>
#include <maya/MFnDagNode.h>
#include <maya/MObject.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>
#include <maya/MVector.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

#define kMFnMeshTolerance 1.0e-3
#define kMFnMeshPointTolerance 1.0e-10

class OPENMAYA_EXPORT MFnMesh : public MFnDagNode {
  declareDagMFn(MFnMesh, MFnDagNode);

 public:
  // Counts of the mesh's geometry (a cube: 8, 12, 6, 24). kFailure and 0
  // when the set is not attached or the mesh has no geometry yet.
  int numVertices(MStatus* ReturnStatus = NULL) const;
  int numEdges(MStatus* ReturnStatus = NULL) const;
  int numPolygons(MStatus* ReturnStatus = NULL) const;
  int numFaceVertices(MStatus* ReturnStatus = NULL) const;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
