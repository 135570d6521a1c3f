// Base of the function sets: a function set attaches to one object and gives
// access to it. Function sets are not copyable.
#ifndef _MFnBase
#define _MFnBase

#include <maya/MFn.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

// What every function set declares: no copying, type(), its destructor and
// className(). declareMFn adds the constructors from nothing and from an
// object; declareDagMFn also the one from a DAG path.
#define declareMinimalMFn(MFnClass)     \
 private:                               \
  MFnClass(const MFnClass&);            \
  MFnClass& operator=(const MFnClass&); \
  MFnClass* operator&() const;          \
                                        \
 public:                                \
  MFn::Type type() const override;      \
  ~MFnClass() override;                 \
  static const char* className()

#define declareMFn(MFnClass, MFnParentClass)               \
  declareMinimalMFn(MFnClass);                             \
                                                           \
 public:                                                   \
  MFnClass();                                              \
  MFnClass(MObject& object, MStatus* ReturnStatus = NULL); \
  MFnClass(const MObject& object, MStatus* ReturnStatus = NULL)

#define declareDagMFn(MFnClass, MFnParentClass) \
  declareMFn(MFnClass, MFnParentClass);         \
  MFnClass(const MDagPath& object, MStatus* ReturnStatus = NULL)

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
  MObject* object_;  // owned; never null
};

OPENMAYA_NAMESPACE_CLOSE

#endif
