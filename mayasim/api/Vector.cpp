// MVector and MEulerRotation.
#include <maya/MEulerRotation.h>
#include <maya/MVector.h>

#include <cmath>
#include <ostream>

const MVector MVector::zero;

MVector::MVector() : x(0), y(0), z(0) {}
MVector::MVector(const MVector& src) = default;
MVector::MVector(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
MVector::MVector(const double d[3]) : x(d[0]), y(d[1]), z(d[2]) {}
MVector::~MVector() = default;
MVector& MVector::operator=(const MVector& src) = default;

double MVector::operator[](unsigned int i) const { return i == 0 ? x : i == 1 ? y : z; }
double& MVector::operator[](unsigned int i) { return i == 0 ? x : i == 1 ? y : z; }
MVector MVector::operator+(const MVector& o) const { return MVector(x + o.x, y + o.y, z + o.z); }
MVector MVector::operator-(const MVector& o) const { return MVector(x - o.x, y - o.y, z - o.z); }
MVector MVector::operator*(double s) const { return MVector(x * s, y * s, z * s); }
MVector& MVector::operator+=(const MVector& o) {
  x += o.x;
  y += o.y;
  z += o.z;
  return *this;
}
bool MVector::operator==(const MVector& o) const { return x == o.x && y == o.y && z == o.z; }
bool MVector::operator!=(const MVector& o) const { return !(*this == o); }
double MVector::length() const { return std::sqrt(x * x + y * y + z * z); }

OPENMAYA_MAJOR_NAMESPACE_OPEN

std::ostream& operator<<(std::ostream& os, const MVector& v) {
  return os << '[' << v.x << ", " << v.y << ", " << v.z << ']';
}

OPENMAYA_NAMESPACE_CLOSE

MEulerRotation::MEulerRotation() : x(0), y(0), z(0), order(kXYZ) {}
MEulerRotation::MEulerRotation(const MEulerRotation& src) = default;
MEulerRotation::MEulerRotation(const MVector& v, RotationOrder ord)
    : x(v.x), y(v.y), z(v.z), order(ord) {}
MEulerRotation::MEulerRotation(double xx, double yy, double zz, RotationOrder ord)
    : x(xx), y(yy), z(zz), order(ord) {}
MEulerRotation::~MEulerRotation() = default;
MEulerRotation& MEulerRotation::operator=(const MEulerRotation& src) = default;
MVector MEulerRotation::asVector() const { return MVector(x, y, z); }
bool MEulerRotation::operator==(const MEulerRotation& o) const {
  return x == o.x && y == o.y && z == o.z && order == o.order;
}
bool MEulerRotation::operator!=(const MEulerRotation& o) const { return !(*this == o); }
