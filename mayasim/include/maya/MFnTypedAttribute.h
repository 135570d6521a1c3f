// Makes attributes that hold data of a given kind (string, mesh, ...).
#ifndef _MFnTypedAttribute
#define _MFnTypedAttribute

#include <maya/MFnAttribute.h>
#include <maya/MFnData.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypes.h>

class OPENMAYA_EXPORT MFnTypedAttribute : public MFnAttribute {
  declareMFnBaseMembers(MFnTypedAttribute);

 public:
  MFnTypedAttribute();
  MFnTypedAttribute(MObject& object, MStatus* ReturnStatus = NULL);
  MFnTypedAttribute(const MObject& object, MStatus* ReturnStatus = NULL);
  ~MFnTypedAttribute() override;

  MObject create(const MString& fullName, const MString& briefName, MFnData::Type type,
                 const MObject& defaultData = MObject::kNullObj, MStatus* ReturnStatus = NULL);
  MFnData::Type attrType(MStatus* ReturnStatus = NULL) const;
};

#endif
