// Function set for polygon meshes. Attaches to a mesh shape, or to a
// transform whose only shape is a mesh (the set then works on that shape).
#ifndef _MFnMesh
#define _MFnMesh

#include <maya/MFnDagNode.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

#define kMFnMeshTolerance 1.0e-3
#define kMFnMeshPointTolerance 1.0e-10

class OPENMAYA_EXPORT MFnMesh : public MFnDagNode {
  declareMFnBaseMembers(MFnMesh);

 public:
  MFnMesh();
  MFnMesh(MObject& object, MStatus* ReturnStatus = NULL);
  MFnMesh(const MDagPath& object, MStatus* ReturnStatus = NULL);
  MFnMesh(const MObject& object, MStatus* ReturnStatus = NULL);
  ~MFnMesh() override;

  // Counts of the mesh's geometry (a cube: 8, 12, 6, 24). kFailure and 0
  // when the set is not attached or the mesh has no geometry yet.
  int numVertices(MStatus* ReturnStatus = NULL) const;
  int numEdges(MStatus* ReturnStatus = NULL) const;
  int numPolygons(MStatus* ReturnStatus = NULL) const;
  int numFaceVertices(MStatus* ReturnStatus = NULL) const;
};

#endif
