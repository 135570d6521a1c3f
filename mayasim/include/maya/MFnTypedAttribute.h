// Makes attributes that hold data of a given kind (string, mesh, ...).
#ifndef _MFnTypedAttribute
#define _MFnTypedAttribute

#include <maya/MDeprecate.h>
#include <maya/MFnAttribute.h>
#include <maya/MFnData.h>
#include <maya/MObject.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MFnTypedAttribute : public MFnAttribute {
  declareMFn(MFnTypedAttribute, MFnAttribute);

 public:
  MObject create(const MString& fullName, const MString& briefName, MFnData::Type type,
                 MObject defaultData = MObject::kNullObj, MStatus* ReturnStatus = NULL);
  MFnData::Type attrType(MStatus* ReturnStatus = NULL) const;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
