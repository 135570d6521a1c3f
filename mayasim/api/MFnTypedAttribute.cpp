#include <maya/MFnTypedAttribute.h>

#include <maya/MFn.h>
#include <maya/MFnBase.h>
#include <maya/MFnData.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include "api/AttributeFnSupport.h"

using mayasim::AttrDraft;
using namespace mayasim::attrfn;  // NOLINT(google-build-using-namespace): the sets' shared helpers

MFnTypedAttribute::MFnTypedAttribute() = default;
MFnTypedAttribute::MFnTypedAttribute(MObject& object, MStatus* ReturnStatus) {
  mayasim::setStatus(ReturnStatus, setObject(object));
}
MFnTypedAttribute::MFnTypedAttribute(const MObject& object, MStatus* ReturnStatus) {
  mayasim::setStatus(ReturnStatus, setObject(object));
}
MFnTypedAttribute::~MFnTypedAttribute() = default;

MFn::Type MFnTypedAttribute::type() const { return MFn::kTypedAttribute; }
const char* MFnTypedAttribute::className() { return "MFnTypedAttribute"; }

// `defaultData` would come from a data function set this host does not
// have; strings start empty and meshes without geometry.
MObject MFnTypedAttribute::create(const MString& fullName, const MString& briefName,
                                  MFnData::Type type, MObject /*defaultData*/,
                                  MStatus* ReturnStatus) {
  AttrDraft draft;
  draft.kind = AttrDraft::Kind::Typed;
  draft.dataType = type;
  switch (type) {
    case MFnData::kString:
      draft.type = AttrType::String;
      break;
    case MFnData::kMesh:
      draft.type = AttrType::Mesh;
      break;
    case MFnData::kInvalid:
    case MFnData::kLast:
      return refuse(ReturnStatus, MS::kInvalidParameter);
    default:
      return refuse(ReturnStatus, MS::kNotImplemented);
  }
  return createDraft(*this, std::move(draft), fullName, briefName, ReturnStatus);
}

MFnData::Type MFnTypedAttribute::attrType(MStatus* ReturnStatus) const {
  return readDecl(*this, ReturnStatus, MFnData::kInvalid, [](const scene::AttrDecl& s, AttrDraft*) {
    switch (s.type) {
      case AttrType::String:
        return MFnData::kString;
      case AttrType::Mesh:
        return MFnData::kMesh;
      default:
        return MFnData::kInvalid;
    }
  });
}
