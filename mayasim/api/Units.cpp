// MAngle and MDistance: a number with its unit; conversions go through the
// internal unit (radians, centimetres).
#include <maya/MAngle.h>
#include <maya/MDistance.h>
#include <maya/MStatus.h>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Size of one `unit` in radians; 0 for a unit that is not one.
double radiansPer(MAngle::Unit unit) {
  switch (unit) {
    case MAngle::kRadians:
      return 1.0;
    case MAngle::kDegrees:
      return kPi / 180.0;
    case MAngle::kAngMinutes:
      return kPi / (180.0 * 60.0);
    case MAngle::kAngSeconds:
      return kPi / (180.0 * 3600.0);
    default:
      return 0.0;
  }
}

// Size of one `unit` in centimetres; 0 for a unit that is not one.
double centimetresPer(MDistance::Unit unit) {
  switch (unit) {
    case MDistance::kInches:
      return 2.54;
    case MDistance::kFeet:
      return 30.48;
    case MDistance::kYards:
      return 91.44;
    case MDistance::kMiles:
      return 160934.4;
    case MDistance::kMillimeters:
      return 0.1;
    case MDistance::kCentimeters:
      return 1.0;
    case MDistance::kKilometers:
      return 100000.0;
    case MDistance::kMeters:
      return 100.0;
    default:
      return 0.0;
  }
}

// `value` given in a unit of size `from` expressed in one of size `to`.
// A bad target unit gives 0 and kInvalidParameter.
double convert(double value, double from, double to, MStatus* status) {
  if (to == 0.0 || from == 0.0) {
    if (status) *status = MS::kInvalidParameter;
    return 0.0;
  }
  if (status) *status = MS::kSuccess;
  return from == to ? value : value * from / to;
}

}  // namespace

// ------------------------------------------------------------------ MAngle

MAngle::MAngle() : value_(0.0), unit_(kRadians) {}
MAngle::MAngle(const MAngle& src) = default;
MAngle::MAngle(double value, Unit u) : value_(value), unit_(u) {}
MAngle::~MAngle() = default;
MAngle& MAngle::operator=(const MAngle& src) = default;

MAngle::Unit MAngle::unit() const { return unit_; }
double MAngle::value() const { return value_; }

MStatus MAngle::setUnit(Unit newUnit) {
  if (radiansPer(newUnit) == 0.0) return MS::kInvalidParameter;
  unit_ = newUnit;
  return MS::kSuccess;
}

MStatus MAngle::setValue(double newValue) {
  value_ = newValue;
  return MS::kSuccess;
}

double MAngle::asUnits(Unit newUnit, MStatus* ReturnStatus) const {
  return convert(value_, radiansPer(unit_), radiansPer(newUnit), ReturnStatus);
}

double MAngle::asRadians() const { return asUnits(kRadians); }
double MAngle::asDegrees() const { return asUnits(kDegrees); }
double MAngle::asAngMinutes() const { return asUnits(kAngMinutes); }
double MAngle::asAngSeconds() const { return asUnits(kAngSeconds); }

const char* MAngle::className() { return "MAngle"; }

// --------------------------------------------------------------- MDistance

MDistance::MDistance() : value_(0.0), unit_(kCentimeters) {}
MDistance::MDistance(const MDistance& src) = default;
MDistance::MDistance(double value, Unit unitSystem) : value_(value), unit_(unitSystem) {}
MDistance::~MDistance() = default;
MDistance& MDistance::operator=(const MDistance& src) = default;

MDistance::Unit MDistance::unit() const { return unit_; }
double MDistance::value() const { return value_; }

MStatus MDistance::setUnit(Unit newUnit) {
  if (centimetresPer(newUnit) == 0.0) return MS::kInvalidParameter;
  unit_ = newUnit;
  return MS::kSuccess;
}

MStatus MDistance::setValue(double newValue) {
  value_ = newValue;
  return MS::kSuccess;
}

double MDistance::asUnits(Unit newUnit, MStatus* ReturnStatus) const {
  return convert(value_, centimetresPer(unit_), centimetresPer(newUnit), ReturnStatus);
}

double MDistance::asInches() const { return asUnits(kInches); }
double MDistance::asFeet() const { return asUnits(kFeet); }
double MDistance::asYards() const { return asUnits(kYards); }
double MDistance::asMiles() const { return asUnits(kMiles); }
double MDistance::asMillimeters() const { return asUnits(kMillimeters); }
double MDistance::asCentimeters() const { return asUnits(kCentimeters); }
double MDistance::asKilometers() const { return asUnits(kKilometers); }
double MDistance::asMeters() const { return asUnits(kMeters); }

const char* MDistance::className() { return "MDistance"; }
