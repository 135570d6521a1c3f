#include <maya/MFnNumericAttribute.h>

#include <maya/MFn.h>
#include <maya/MFnBase.h>
#include <maya/MFnNumericData.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <initializer_list>
#include <optional>

#include "api/AttributeFnSupport.h"

using mayasim::AttrDraft;
using namespace mayasim::attrfn;  // NOLINT(google-build-using-namespace): the sets' shared helpers

namespace {

std::optional<AttrType> numericAttrType(MFnNumericData::Type type) {
  switch (type) {
    case MFnNumericData::kBoolean:
      return AttrType::Bool;
    case MFnNumericData::kByte:
    case MFnNumericData::kChar:
    case MFnNumericData::kShort:
    case MFnNumericData::kLong:
    case MFnNumericData::kInt64:
      return AttrType::Long;
    case MFnNumericData::kFloat:
      return AttrType::Float;
    case MFnNumericData::kDouble:
      return AttrType::Double;
    default:
      return std::nullopt;  // multi-value and address data: not in this host
  }
}

MFnNumericData::Type numericTypeOf(const scene::AttrDecl& s, const AttrDraft* d) {
  if (d && (d->kind == AttrDraft::Kind::Numeric || d->kind == AttrDraft::Kind::Compound))
    return static_cast<MFnNumericData::Type>(d->numericType);
  switch (s.type) {
    case AttrType::Bool:
      return MFnNumericData::kBoolean;
    case AttrType::Long:
      return MFnNumericData::kLong;
    case AttrType::Float:
      return MFnNumericData::kFloat;
    case AttrType::Double:
      return MFnNumericData::kDouble;
    case AttrType::Double3:
      return MFnNumericData::k3Double;
    default:
      return MFnNumericData::kInvalid;
  }
}

// The three-value numeric type of a compound whose children are `child`.
MFnNumericData::Type tripleOf(AttrType child) {
  switch (child) {
    case AttrType::Float:
      return MFnNumericData::k3Float;
    case AttrType::Long:
    case AttrType::Bool:
      return MFnNumericData::k3Long;
    default:
      return MFnNumericData::k3Double;
  }
}

}  // namespace

MFnNumericAttribute::MFnNumericAttribute() = default;
MFnNumericAttribute::MFnNumericAttribute(MObject& object, MStatus* ReturnStatus) {
  mayasim::setStatus(ReturnStatus, setObject(object));
}
MFnNumericAttribute::MFnNumericAttribute(const MObject& object, MStatus* ReturnStatus) {
  mayasim::setStatus(ReturnStatus, setObject(object));
}
MFnNumericAttribute::~MFnNumericAttribute() = default;

MFn::Type MFnNumericAttribute::type() const { return MFn::kNumericAttribute; }
const char* MFnNumericAttribute::className() { return "MFnNumericAttribute"; }

MObject MFnNumericAttribute::create(const MString& fullName, const MString& briefName,
                                    MFnNumericData::Type unitType, double defaultValue,
                                    MStatus* ReturnStatus) {
  const std::optional<AttrType> type = numericAttrType(unitType);
  if (!type) return refuse(ReturnStatus, MS::kNotImplemented);
  AttrDraft draft;
  draft.kind = AttrDraft::Kind::Numeric;
  draft.numericType = unitType;
  draft.type = *type;
  draft.defaultValue = normalized(*type, defaultValue);
  return createDraft(*this, std::move(draft), fullName, briefName, ReturnStatus);
}

MObject MFnNumericAttribute::create(const MString& fullName, const MString& briefName,
                                    const MObject& child1, const MObject& child2,
                                    const MObject& child3, MStatus* ReturnStatus) {
  // The scene's compounds have exactly three single-number children.
  AttrDraft draft;
  draft.kind = AttrDraft::Kind::Compound;
  draft.type = AttrType::Double3;
  for (const MObject* child : {&child1, &child2, &child3}) {
    const AttrDraft* c = mayasim::attrDraft(*child);
    if (!c || !scene::isNumeric(c->type)) return refuse(ReturnStatus, MS::kInvalidParameter);
    draft.childNames.push_back(c->longName);
    draft.children.push_back(*child);
  }
  draft.numericType = tripleOf(mayasim::attrDraft(child1)->type);
  return createDraft(*this, std::move(draft), fullName, briefName, ReturnStatus);
}

MFnNumericData::Type MFnNumericAttribute::unitType(MStatus* ReturnStatus) const {
  return readDecl(*this, ReturnStatus, MFnNumericData::kInvalid, numericTypeOf);
}

MStatus MFnNumericAttribute::setMin(double min) { return setLimit(*this, &AttrDraft::min, min); }
MStatus MFnNumericAttribute::setMax(double max) { return setLimit(*this, &AttrDraft::max, max); }
MStatus MFnNumericAttribute::setSoftMin(double min) {
  return setUiLimit(*this, &AttrDraft::softMin, min);
}
MStatus MFnNumericAttribute::setSoftMax(double max) {
  return setUiLimit(*this, &AttrDraft::softMax, max);
}

bool MFnNumericAttribute::hasMin(MStatus* ReturnStatus) const {
  return readDecl(*this, ReturnStatus, false,
                  [](const scene::AttrDecl& s, AttrDraft*) { return s.min.has_value(); });
}

bool MFnNumericAttribute::hasMax(MStatus* ReturnStatus) const {
  return readDecl(*this, ReturnStatus, false,
                  [](const scene::AttrDecl& s, AttrDraft*) { return s.max.has_value(); });
}

MStatus MFnNumericAttribute::getMin(double& min) const {
  const scene::AttrDecl* decl = declOf(*this);
  if (!decl || !decl->min) return MS::kFailure;
  min = *decl->min;
  return MS::kSuccess;
}

MStatus MFnNumericAttribute::getMax(double& max) const {
  const scene::AttrDecl* decl = declOf(*this);
  if (!decl || !decl->max) return MS::kFailure;
  max = *decl->max;
  return MS::kSuccess;
}

MStatus MFnNumericAttribute::setDefault(bool value) {
  return setDefaultNumber(*this, value ? 1.0 : 0.0);
}
MStatus MFnNumericAttribute::setDefault(char value) { return setDefaultNumber(*this, value); }
MStatus MFnNumericAttribute::setDefault(int value) { return setDefaultNumber(*this, value); }
MStatus MFnNumericAttribute::setDefault(MInt64 value) {
  return setDefaultNumber(*this, static_cast<double>(value));
}
MStatus MFnNumericAttribute::setDefault(float value) { return setDefaultNumber(*this, value); }
MStatus MFnNumericAttribute::setDefault(double value) { return setDefaultNumber(*this, value); }

MStatus MFnNumericAttribute::getDefault(double& value) {
  const scene::AttrDecl* decl = declOf(*this);
  if (!decl || !scene::isNumeric(decl->type)) return MS::kFailure;
  value = decl->defaultValue;
  return MS::kSuccess;
}
