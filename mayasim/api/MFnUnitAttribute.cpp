#include <maya/MFnUnitAttribute.h>

#include <maya/MAngle.h>
#include <maya/MDistance.h>
#include <maya/MFn.h>
#include <maya/MFnBase.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <optional>

#include "api/AttributeFnSupport.h"

using mayasim::AttrDraft;
using namespace mayasim::attrfn;  // NOLINT(google-build-using-namespace): the sets' shared helpers

namespace {

// kFailure when nothing is attached, kInvalidParameter when the attribute
// holds another kind of unit.
MStatus setUnitValue(MFnBase& fn, AttrType expected, std::optional<double> AttrDraft::*field,
                     double internalValue) {
  const AttrDraft* draft = draftOf(fn);
  if (!draft) return MS::kFailure;
  if (draft->type != expected) return MS::kInvalidParameter;
  return setLimit(fn, field, internalValue);
}

MStatus setUnitDefault(MFnBase& fn, AttrType expected, double internalValue) {
  const AttrDraft* draft = draftOf(fn);
  if (!draft) return MS::kFailure;
  if (draft->type != expected) return MS::kInvalidParameter;
  return setDefaultNumber(fn, internalValue);
}

}  // namespace

MFnUnitAttribute::MFnUnitAttribute() = default;
MFnUnitAttribute::MFnUnitAttribute(MObject& object, MStatus* ReturnStatus) {
  mayasim::setStatus(ReturnStatus, setObject(object));
}
MFnUnitAttribute::MFnUnitAttribute(const MObject& object, MStatus* ReturnStatus) {
  mayasim::setStatus(ReturnStatus, setObject(object));
}
MFnUnitAttribute::~MFnUnitAttribute() = default;

MFn::Type MFnUnitAttribute::type() const { return MFn::kUnitAttribute; }
const char* MFnUnitAttribute::className() { return "MFnUnitAttribute"; }

MObject MFnUnitAttribute::create(const MString& fullName, const MString& briefName,
                                 MFnUnitAttribute::Type unitType, double defaultValue,
                                 MStatus* ReturnStatus) {
  AttrDraft draft;
  draft.kind = AttrDraft::Kind::Unit;
  draft.unitType = unitType;
  switch (unitType) {
    case kAngle:
      draft.type = AttrType::Angle;
      break;
    case kDistance:
      draft.type = AttrType::Distance;
      break;
    case kTime:
      return refuse(ReturnStatus, MS::kNotImplemented);  // no time in this host
    default:
      return refuse(ReturnStatus, MS::kInvalidParameter);
  }
  draft.defaultValue = defaultValue;
  return createDraft(*this, std::move(draft), fullName, briefName, ReturnStatus);
}

MObject MFnUnitAttribute::create(const MString& fullName, const MString& briefName,
                                 const MAngle& defaultValue, MStatus* ReturnStatus) {
  return create(fullName, briefName, kAngle, defaultValue.asRadians(), ReturnStatus);
}

MObject MFnUnitAttribute::create(const MString& fullName, const MString& briefName,
                                 const MDistance& defaultValue, MStatus* ReturnStatus) {
  return create(fullName, briefName, kDistance, defaultValue.asCentimeters(), ReturnStatus);
}

MFnUnitAttribute::Type MFnUnitAttribute::unitType(MStatus* ReturnStatus) const {
  return readDecl(*this, ReturnStatus, kInvalid, [](const scene::AttrDecl& s, AttrDraft*) {
    switch (s.type) {
      case AttrType::Angle:
        return kAngle;
      case AttrType::Distance:
        return kDistance;
      default:
        return kInvalid;
    }
  });
}

// Plain doubles are in internal units, whichever kind of unit the attribute has.
MStatus MFnUnitAttribute::setMin(double minValue) {
  return setLimit(*this, &AttrDraft::min, minValue);
}
MStatus MFnUnitAttribute::setMax(double maxValue) {
  return setLimit(*this, &AttrDraft::max, maxValue);
}
MStatus MFnUnitAttribute::setSoftMin(double minValue) {
  return setUiLimit(*this, &AttrDraft::softMin, minValue);
}
MStatus MFnUnitAttribute::setSoftMax(double maxValue) {
  return setUiLimit(*this, &AttrDraft::softMax, maxValue);
}
MStatus MFnUnitAttribute::setDefault(double defaultValue) {
  return setDefaultNumber(*this, defaultValue);
}

MStatus MFnUnitAttribute::setMin(const MAngle& minValue) {
  return setUnitValue(*this, AttrType::Angle, &AttrDraft::min, minValue.asRadians());
}
MStatus MFnUnitAttribute::setMax(const MAngle& maxValue) {
  return setUnitValue(*this, AttrType::Angle, &AttrDraft::max, maxValue.asRadians());
}
MStatus MFnUnitAttribute::setDefault(const MAngle& defaultValue) {
  return setUnitDefault(*this, AttrType::Angle, defaultValue.asRadians());
}
MStatus MFnUnitAttribute::setMin(const MDistance& minValue) {
  return setUnitValue(*this, AttrType::Distance, &AttrDraft::min, minValue.asCentimeters());
}
MStatus MFnUnitAttribute::setMax(const MDistance& maxValue) {
  return setUnitValue(*this, AttrType::Distance, &AttrDraft::max, maxValue.asCentimeters());
}
MStatus MFnUnitAttribute::setDefault(const MDistance& defaultValue) {
  return setUnitDefault(*this, AttrType::Distance, defaultValue.asCentimeters());
}
