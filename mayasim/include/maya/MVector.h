// A 3D vector of doubles.
#ifndef _MVector
#define _MVector

#include <maya/MTypes.h>

#include <iosfwd>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MVector {
 public:
  MVector();
  MVector(const MVector& src);
  MVector(double xx, double yy, double zz = 0.0);
  MVector(const double d[3]);
  ~MVector();
  MVector& operator=(const MVector& src);

  double operator[](unsigned int i) const;
  double& operator[](unsigned int i);
  MVector operator+(const MVector& other) const;
  MVector operator-(const MVector& other) const;
  MVector operator*(double scale) const;
  MVector& operator+=(const MVector& other);
  bool operator==(const MVector& other) const;
  bool operator!=(const MVector& other) const;
  double length() const;

  static const MVector zero;

  friend OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& os, const MVector& v);

  double x;
  double y;
  double z;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
