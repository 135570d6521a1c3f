// Makes and edits attributes with units (angles, distances). Plain double
// values are in internal units: radians and centimetres.
#ifndef _MFnUnitAttribute
#define _MFnUnitAttribute

#include <maya/MFnAttribute.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypes.h>

class MAngle;
class MDistance;

class OPENMAYA_EXPORT MFnUnitAttribute : public MFnAttribute {
  declareMFnBaseMembers(MFnUnitAttribute);

 public:
  enum Type { kInvalid, kAngle, kDistance, kTime, kLast };

  MFnUnitAttribute();
  MFnUnitAttribute(MObject& object, MStatus* ReturnStatus = NULL);
  MFnUnitAttribute(const MObject& object, MStatus* ReturnStatus = NULL);
  ~MFnUnitAttribute() override;

  MObject create(const MString& fullName, const MString& briefName,
                 MFnUnitAttribute::Type unitType, double defaultValue = 0.0,
                 MStatus* ReturnStatus = NULL);
  MObject create(const MString& fullName, const MString& briefName, const MAngle& defaultValue,
                 MStatus* ReturnStatus = NULL);
  MObject create(const MString& fullName, const MString& briefName,
                 const MDistance& defaultValue, MStatus* ReturnStatus = NULL);

  MFnUnitAttribute::Type unitType(MStatus* ReturnStatus = NULL) const;

  MStatus setMin(double minValue);
  MStatus setMax(double maxValue);
  MStatus setSoftMin(double minValue);
  MStatus setSoftMax(double maxValue);
  MStatus setDefault(double defaultValue);
  MStatus setMin(const MAngle& minValue);
  MStatus setMax(const MAngle& maxValue);
  MStatus setDefault(const MAngle& defaultValue);
  MStatus setMin(const MDistance& minValue);
  MStatus setMax(const MDistance& maxValue);
  MStatus setDefault(const MDistance& defaultValue);
};

#endif
