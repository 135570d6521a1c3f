// The arguments of a command call, as the caller gave them.
#ifndef _MArgList
#define _MArgList

#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypes.h>

#include <memory>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MArgList {
 public:
  MArgList();
  MArgList(const MArgList& other);
  ~MArgList();
  MArgList& operator=(const MArgList& other);

  unsigned int length(MStatus* ReturnStatus = NULL) const;
  // kInvalidParameter past the end or when the value does not read as the
  // requested type.
  bool asBool(unsigned int index, MStatus* ReturnStatus = NULL) const;
  int asInt(unsigned int index, MStatus* ReturnStatus = NULL) const;
  double asDouble(unsigned int index, MStatus* ReturnStatus = NULL) const;
  MString asString(unsigned int index, MStatus* ReturnStatus = NULL) const;

  // The index of a flag given by either name (with the dash), else kInvalidArgIndex.
  unsigned int flagIndex(const char* shortFlag, const char* longFlag = NULL) const;
  static const unsigned int kInvalidArgIndex;

  MStatus addArg(bool arg);
  MStatus addArg(int arg);
  MStatus addArg(double arg);
  MStatus addArg(const MString& arg);

  static const char* className();

 private:
  friend struct mayasim::ObjectAccess;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
