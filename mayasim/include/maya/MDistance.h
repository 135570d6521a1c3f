// A distance with its unit. Internal unit: centimetres.
#ifndef _MDistance
#define _MDistance

#include <maya/MDeprecate.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MDistance {
 public:
  enum Unit {
    kInvalid,
    kInches,
    kFeet,
    kYards,
    kMiles,
    kMillimeters,
    kCentimeters,
    kKilometers,
    kMeters,
    kLast
  };

  MDistance();
  MDistance(const MDistance& src);
  MDistance(double value, Unit unitSystem = kCentimeters);
  ~MDistance();
  MDistance& operator=(const MDistance& src);

  Unit unit() const;
  double value() const;
  MStatus setUnit(Unit newUnit);  // keeps the number, changes its unit
  MStatus setValue(double newValue);
  double asUnits(Unit newUnit, MStatus* ReturnStatus = NULL) const;
  double asInches() const;
  double asFeet() const;
  double asYards() const;
  double asMiles() const;
  double asMillimeters() const;
  double asCentimeters() const;
  double asKilometers() const;
  double asMeters() const;

  static const char* className();

 private:
  double value_;
  Unit unit_;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
