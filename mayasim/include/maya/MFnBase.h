// Base of the function sets: a function set attaches to one object and gives
// access to it. Function sets are not copyable.
#ifndef _MFnBase
#define _MFnBase

#include <maya/MFn.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

// Declares what every function set has: no copying, type(), className().
// Used as `declareMFnBaseMembers(MFnX);` at the top of the class.
#define declareMFnBaseMembers(MFnClass) \
 private:                               \
  MFnClass(const MFnClass&);            \
  MFnClass& operator=(const MFnClass&); \
  MFnClass* operator&() const;          \
                                        \
 public:                                \
  MFn::Type type() const override;      \
  static const char* className()

class OPENMAYA_EXPORT MFnBase {
 public:
  virtual ~MFnBase();
  // The API type this function set works on.
  virtual MFn::Type type() const;
  bool hasObj(MFn::Type type) const;
  bool hasObj(const MObject& object) const;
  MObject object(MStatus* ReturnStatus = NULL) const;
  // Attaches to `object`; kInvalidParameter (and detached) when the object
  // is not of a type this function set works on.
  virtual MStatus setObject(MObject& object);
  virtual MStatus setObject(const MObject& object);

  static const char* className();

 protected:
  MFnBase();

 private:
  MFnBase(const MFnBase&);
  MFnBase& operator=(const MFnBase&);
  MFnBase* operator&() const;

  friend struct mayasim::ObjectAccess;
  MObject object_;
};

#endif
