#include <maya/MFn.h>
#include <maya/MFnBase.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

MFnBase::MFnBase() : object_(new MObject()) {}
MFnBase::~MFnBase() { delete object_; }

MFn::Type MFnBase::type() const { return MFn::kBase; }

bool MFnBase::hasObj(MFn::Type type) const { return !object_->isNull() && object_->hasFn(type); }

bool MFnBase::hasObj(const MObject& object) const { return object.hasFn(type()); }

MObject MFnBase::object(MStatus* ReturnStatus) const {
  if (ReturnStatus) *ReturnStatus = object_->isNull() ? MS::kInvalidParameter : MS::kSuccess;
  return *object_;
}

MStatus MFnBase::setObject(MObject& object) {
  return setObject(static_cast<const MObject&>(object));
}

MStatus MFnBase::setObject(const MObject& object) {
  if (!object.hasFn(type())) {
    *object_ = MObject();
    return MS::kInvalidParameter;
  }
  *object_ = object;
  return MS::kSuccess;
}

const char* MFnBase::className() { return "MFnBase"; }
