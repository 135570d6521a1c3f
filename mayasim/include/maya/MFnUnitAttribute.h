// Makes and edits attributes with units (angles, distances). Plain double
// values are in internal units: radians and centimetres.
#ifndef _MFnUnitAttribute
#define _MFnUnitAttribute

#include <maya/MFnAttribute.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MFnUnitAttribute : public MFnAttribute {
  declareMFn(MFnUnitAttribute, MFnAttribute);

 public:
  enum Type { kInvalid, kAngle, kDistance, kTime, kLast };

  MObject create(const MString& fullName, const MString& briefName, MFnUnitAttribute::Type unitType,
                 double defaultValue = 0.0, MStatus* ReturnStatus = NULL);
  MObject create(const MString& fullName, const MString& briefName, const MAngle& defaultValue,
                 MStatus* ReturnStatus = NULL);
  MObject create(const MString& fullName, const MString& briefName, const MDistance& defaultValue,
                 MStatus* ReturnStatus = NULL);

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

OPENMAYA_NAMESPACE_CLOSE

#endif
