#include "zubNode001.h"

#include <cmath>
#include <initializer_list>

#include <maya/MAngle.h>
#include <maya/MDataBlock.h>
#include <maya/MDataHandle.h>
#include <maya/MDistance.h>
#include <maya/MFnUnitAttribute.h>
#include <maya/MPlug.h>

#include "nodes/zubNodeTypes.h"

const MTypeId zubNode001::id(zubNodes::kZubNode001Id);

MObject zubNode001::aDistance;
MObject zubNode001::aRadius;
MObject zubNode001::aRotation;

namespace {

// Radii closer to zero than this (in centimetres) give no rotation: a wheel
// that small has no sensible turn, and the division would blow up.
constexpr double kMinRadius = 1.0e-6;

// Turn, in radians, of a wheel of `radius` that rolled `distance` along +X.
double rollAngle(double distance, double radius) {
  if (std::fabs(radius) < kMinRadius) return 0.0;
  const double angle = -distance / radius;
  return std::isfinite(angle) ? angle : 0.0;
}

}  // namespace

void* zubNode001::creator() { return new zubNode001; }

MStatus zubNode001::initialize() {
  MStatus status;
  MFnUnitAttribute unitFn;

  aDistance = unitFn.create("distance", "dist", MFnUnitAttribute::kDistance, 0.0, &status);
  CHECK_MSTATUS_AND_RETURN_IT(status);
  unitFn.setKeyable(true);
  unitFn.setStorable(true);

  aRadius = unitFn.create("radius", "rad", MFnUnitAttribute::kDistance, 1.0, &status);
  CHECK_MSTATUS_AND_RETURN_IT(status);
  unitFn.setKeyable(true);
  unitFn.setStorable(true);

  // Derived from the inputs on demand, so neither set by hand nor saved.
  aRotation = unitFn.create("rotation", "rot", MFnUnitAttribute::kAngle, 0.0, &status);
  CHECK_MSTATUS_AND_RETURN_IT(status);
  unitFn.setWritable(false);
  unitFn.setStorable(false);

  for (const MObject* attr : {&aDistance, &aRadius, &aRotation}) {
    status = addAttribute(*attr);
    CHECK_MSTATUS_AND_RETURN_IT(status);
  }
  status = attributeAffects(aDistance, aRotation);
  CHECK_MSTATUS_AND_RETURN_IT(status);
  status = attributeAffects(aRadius, aRotation);
  CHECK_MSTATUS_AND_RETURN_IT(status);
  return MS::kSuccess;
}

MStatus zubNode001::compute(const MPlug& plug, MDataBlock& data) {
  if (plug != aRotation) return MS::kUnknownParameter;

  MStatus status;
  const MDataHandle distanceIn = data.inputValue(aDistance, &status);
  CHECK_MSTATUS_AND_RETURN_IT(status);
  const MDataHandle radiusIn = data.inputValue(aRadius, &status);
  CHECK_MSTATUS_AND_RETURN_IT(status);
  const double angle =
      rollAngle(distanceIn.asDistance().asCentimeters(), radiusIn.asDistance().asCentimeters());

  MDataHandle rotationOut = data.outputValue(aRotation, &status);
  CHECK_MSTATUS_AND_RETURN_IT(status);
  rotationOut.set(MAngle(angle, MAngle::kRadians));
  rotationOut.setClean();
  return MS::kSuccess;
}
