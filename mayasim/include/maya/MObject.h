// A handle to an object of the host: a node, an attribute, a plug-in, or
// nothing. Function sets (MFn...) give access to what it denotes.
#ifndef _MObject
#define _MObject

#include <maya/MFn.h>
#include <maya/MTypes.h>

#include <cstdint>
#include <memory>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MObject {
 public:
  MObject();
  MObject(const MObject& other);
  ~MObject();
  MObject& operator=(const MObject& other);

  // True when the object's type is `fn` or derives from it: a transform has
  // kTransform, kDagNode, kDependencyNode and kBase.
  bool hasFn(MFn::Type fn) const;
  // True for the null object and for a node that no longer exists.
  bool isNull() const;
  MFn::Type apiType() const;
  const char* apiTypeStr() const;

  bool operator==(const MObject& other) const;
  bool operator!=(const MObject& other) const;

  static MObject kNullObj;

 private:
  friend struct mayasim::ObjectAccess;
  // What the object denotes; see mayasim/api/ObjectAccess.h.
  int kind_;
  std::uint64_t id_;
  const void* ptr_;
  std::shared_ptr<void> data_;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
