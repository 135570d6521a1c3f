// The id of a node type; saved in scene files, so it never changes.
#ifndef _MTypeId
#define _MTypeId

#include <maya/MStatus.h>
#include <maya/MTypes.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MTypeId {
 public:
  MTypeId();
  MTypeId(unsigned int id);
  // A 24-bit assigned prefix and an 8-bit id within it.
  MTypeId(unsigned int prefix, unsigned int id);
  MTypeId(const MTypeId& other);
  ~MTypeId();
  MTypeId& operator=(const MTypeId& other);

  bool operator==(const MTypeId& other) const;
  bool operator!=(const MTypeId& other) const;
  unsigned int id(MStatus* ReturnStatus = NULL) const;

  static const char* className();

 private:
  friend struct mayasim::ObjectAccess;
  unsigned int id_;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
