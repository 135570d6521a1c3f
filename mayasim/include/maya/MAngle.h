// An angle with its unit. Internal unit: radians.
#ifndef _MAngle
#define _MAngle

#include <maya/MDeprecate.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MAngle {
 public:
  enum Unit { kInvalid, kRadians, kDegrees, kAngMinutes, kAngSeconds, kLast };

  MAngle();
  MAngle(const MAngle& src);
  MAngle(double value, Unit u = kRadians);
  ~MAngle();
  MAngle& operator=(const MAngle& src);

  Unit unit() const;
  double value() const;
  MStatus setUnit(Unit newUnit);  // keeps the number, changes its unit
  MStatus setValue(double newValue);
  double asUnits(Unit newUnit, MStatus* ReturnStatus = NULL) const;
  double asRadians() const;
  double asDegrees() const;
  double asAngMinutes() const;
  double asAngSeconds() const;

  static const char* className();

 private:
  double value_;
  Unit unit_;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
