#include <maya/MDagPath.h>
#include <maya/MEulerRotation.h>
#include <maya/MFn.h>
#include <maya/MFnBase.h>
#include <maya/MFnTransform.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

#include "api/ObjectAccess.h"
#include "api/ReturnStatus.h"
#include "host/Host.h"
#include "scene/Scene.h"

using mayasim::host;
using mayasim::nodeIdOf;
using mayasim::ObjectAccess;

namespace {

// The attached transform's compound plug `name` (translate, rotate, scale).
scene::Plug transformPlug(const MFnBase& fn, const char* name) {
  scene::Scene& scene = host().scene();
  scene::NodeId id = nodeIdOf(ObjectAccess::fnObject(fn));
  return scene.exists(id) ? scene.plug(id, name) : scene::Plug{};
}

bool getTriple(const MFnBase& fn, const char* name, double out[3]) {
  scene::Plug p = transformPlug(fn, name);
  if (p.isNull()) return false;
  std::vector<double> v = host().scene().getNumbers(p);
  if (v.size() != 3) return false;
  for (int i = 0; i < 3; ++i) out[i] = v[static_cast<std::size_t>(i)];
  return true;
}

MStatus setTriple(const MFnBase& fn, const char* name, const double in[3]) {
  scene::Plug p = transformPlug(fn, name);
  if (p.isNull()) return MS::kInvalidParameter;
  try {
    host().scene().setNumbers(p, {in[0], in[1], in[2]});
  } catch (const scene::Error&) {
    return MS::kFailure;
  }
  return MS::kSuccess;
}

// Sum of the translations of the transforms above the attached node. World
// space here only accounts for the parents' translations.
MVector parentsOffset(const MFnBase& fn) {
  scene::Scene& scene = host().scene();
  MVector sum;
  for (scene::NodeId id = scene.parentOf(nodeIdOf(ObjectAccess::fnObject(fn)));
       id != scene::kNoNode; id = scene.parentOf(id)) {
    scene::Plug p = scene.plug(id, "translate");
    if (p.isNull()) continue;
    std::vector<double> v = scene.getNumbers(p);
    if (v.size() == 3) sum += MVector(v[0], v[1], v[2]);
  }
  return sum;
}

}  // namespace

MFnTransform::MFnTransform() = default;
MFnTransform::MFnTransform(MObject& object, MStatus* ReturnStatus) {
  mayasim::setStatus(ReturnStatus, setObject(object));
}
MFnTransform::MFnTransform(const MDagPath& object, MStatus* ReturnStatus) {
  mayasim::setStatus(ReturnStatus, setObject(object));
}
MFnTransform::MFnTransform(const MObject& object, MStatus* ReturnStatus) {
  mayasim::setStatus(ReturnStatus, setObject(object));
}
MFnTransform::~MFnTransform() = default;

MFn::Type MFnTransform::type() const { return MFn::kTransform; }
const char* MFnTransform::className() { return "MFnTransform"; }

MObject MFnTransform::create(MObject parent, MStatus* ReturnStatus) {
  scene::Scene& scene = host().scene();
  try {
    scene::SuspendScope suspend(scene.undoQueue());
    scene::NodeId id = scene.createNode("transform", {}, nodeIdOf(parent));
    MObject object = ObjectAccess::makeNode(id);
    mayasim::setStatus(ReturnStatus, setObject(object));
    return object;
  } catch (const scene::Error&) {
    mayasim::setStatus(ReturnStatus, MS::kInvalidParameter);
    return MObject();
  }
}

MVector MFnTransform::getTranslation(MSpace::Space space, MStatus* ReturnStatus) const {
  double t[3];
  if (!getTriple(*this, "translate", t)) {
    mayasim::setStatus(ReturnStatus, MS::kInvalidParameter);
    return MVector();
  }
  mayasim::setStatus(ReturnStatus, MS::kSuccess);
  MVector v(t);
  return space == MSpace::kWorld ? v + parentsOffset(*this) : v;
}

MStatus MFnTransform::setTranslation(const MVector& vec, MSpace::Space space) {
  MVector local = space == MSpace::kWorld ? vec - parentsOffset(*this) : vec;
  double t[3] = {local.x, local.y, local.z};
  return setTriple(*this, "translate", t);
}

MStatus MFnTransform::translateBy(const MVector& vec, MSpace::Space space) {
  MStatus status;
  MVector current = getTranslation(space, &status);
  return status ? setTranslation(current + vec, space) : status;
}

MStatus MFnTransform::getScale(double scale[3]) const {
  return getTriple(*this, "scale", scale) ? MS::kSuccess : MS::kInvalidParameter;
}

MStatus MFnTransform::setScale(const double scale[3]) { return setTriple(*this, "scale", scale); }

MStatus MFnTransform::scaleBy(const double scale[3]) {
  double s[3];
  if (!getTriple(*this, "scale", s)) return MS::kInvalidParameter;
  for (int i = 0; i < 3; ++i) s[i] *= scale[i];
  return setTriple(*this, "scale", s);
}

MStatus MFnTransform::getRotation(MEulerRotation& rotation) const {
  double r[3];
  if (!getTriple(*this, "rotate", r)) return MS::kInvalidParameter;
  rotation = MEulerRotation(r[0], r[1], r[2]);
  return MS::kSuccess;
}

MStatus MFnTransform::setRotation(const MEulerRotation& rotation) {
  double r[3] = {rotation.x, rotation.y, rotation.z};
  return setTriple(*this, "rotate", r);
}

MStatus MFnTransform::rotateBy(const MEulerRotation& rotation, MSpace::Space) {
  double r[3];
  if (!getTriple(*this, "rotate", r)) return MS::kInvalidParameter;
  r[0] += rotation.x;
  r[1] += rotation.y;
  r[2] += rotation.z;
  return setTriple(*this, "rotate", r);
}

MVector MFnTransform::translation(MSpace::Space space, MStatus* ReturnStatus) const {
  return getTranslation(space, ReturnStatus);
}
