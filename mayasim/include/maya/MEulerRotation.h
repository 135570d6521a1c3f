// A rotation as three angles in radians, applied in a given order.
#ifndef _MEulerRotation
#define _MEulerRotation

#include <maya/MTypes.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MEulerRotation {
 public:
  enum RotationOrder { kXYZ, kYZX, kZXY, kXZY, kYXZ, kZYX };

  MEulerRotation();
  MEulerRotation(const MEulerRotation& src);
  MEulerRotation(const MVector& v, RotationOrder ord = kXYZ);
  MEulerRotation(double xx, double yy, double zz, RotationOrder ord = kXYZ);
  ~MEulerRotation();
  MEulerRotation& operator=(const MEulerRotation& src);

  MVector asVector() const;
  bool operator==(const MEulerRotation& other) const;
  bool operator!=(const MEulerRotation& other) const;

  double x;
  double y;
  double z;
  RotationOrder order;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
