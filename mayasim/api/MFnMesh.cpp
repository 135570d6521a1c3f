#include <maya/MDagPath.h>
#include <maya/MFn.h>
#include <maya/MFnBase.h>
#include <maya/MFnMesh.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

#include "api/ObjectAccess.h"
#include "host/Host.h"
#include "scene/Scene.h"

using mayasim::host;
using mayasim::nodeIdOf;
using mayasim::ObjectAccess;

namespace {

// The mesh geometry of the attached shape; invalid when there is none.
scene::MeshData meshOf(const MFnBase& fn) {
  scene::Scene& scene = host().scene();
  scene::NodeId id = nodeIdOf(ObjectAccess::fnObject(fn));
  if (!scene.exists(id)) return {};
  scene::Plug out = scene.plug(id, "outMesh");
  return out.isNull() ? scene::MeshData{} : scene.getMesh(out);
}

int count(const MFnBase& fn, MStatus* ReturnStatus, int (scene::MeshData::*what)() const) {
  scene::MeshData mesh = meshOf(fn);
  if (ReturnStatus) *ReturnStatus = mesh.valid ? MS::kSuccess : MS::kFailure;
  return (mesh.*what)();
}

}  // namespace

MFnMesh::MFnMesh() = default;
MFnMesh::MFnMesh(MObject& object, MStatus* ReturnStatus) {
  MStatus s = setObject(object);
  if (ReturnStatus) *ReturnStatus = s;
}
MFnMesh::MFnMesh(const MDagPath& object, MStatus* ReturnStatus) {
  MStatus s = setObject(object);
  if (ReturnStatus) *ReturnStatus = s;
}
MFnMesh::MFnMesh(const MObject& object, MStatus* ReturnStatus) {
  MStatus s = setObject(object);
  if (ReturnStatus) *ReturnStatus = s;
}
MFnMesh::~MFnMesh() = default;

MFn::Type MFnMesh::type() const { return MFn::kMesh; }
const char* MFnMesh::className() { return "MFnMesh"; }

int MFnMesh::numVertices(MStatus* ReturnStatus) const {
  return count(*this, ReturnStatus, &scene::MeshData::numVertices);
}
int MFnMesh::numEdges(MStatus* ReturnStatus) const {
  return count(*this, ReturnStatus, &scene::MeshData::numEdges);
}
int MFnMesh::numPolygons(MStatus* ReturnStatus) const {
  return count(*this, ReturnStatus, &scene::MeshData::numPolygons);
}
int MFnMesh::numFaceVertices(MStatus* ReturnStatus) const {
  scene::MeshData mesh = meshOf(*this);
  if (ReturnStatus) *ReturnStatus = mesh.valid ? MS::kSuccess : MS::kFailure;
  return mesh.numPolygons() * 4;  // every face of the box is a quad
}
