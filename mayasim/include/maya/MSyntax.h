// The flags and arguments a command accepts.
#ifndef _MSyntax
#define _MSyntax

#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <memory>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MSyntax {
 public:
  enum MArgType {
    kInvalidArgType,
    kNoArg,
    kBoolean,
    kLong,
    kDouble,
    kString,
    kUnsigned,
    kDistance,
    kAngle,
    kTime,
    kSelectionItem,
    kLastArgType
  };
  enum MObjectFormat {
    kInvalidObjectFormat,
    kNone,
    kStringObjects,
    kSelectionList,
    kLastObjectFormat
  };

  MSyntax();
  MSyntax(const MSyntax& other);
  virtual ~MSyntax();
  MSyntax& operator=(const MSyntax& other);

  // Names with the dash: addFlag("-r", "-radius", kDouble). A flag takes up
  // to six values; kNoArg ends the list. kFailure when either name is
  // already used.
  MStatus addFlag(const char* shortName, const char* longName, MArgType argType1 = kNoArg,
                  MArgType argType2 = kNoArg, MArgType argType3 = kNoArg,
                  MArgType argType4 = kNoArg, MArgType argType5 = kNoArg,
                  MArgType argType6 = kNoArg);
  MStatus makeFlagMultiUse(const char* flagName);
  // A command argument after the flags.
  MStatus addArg(MArgType arg);
  void useSelectionAsDefault(bool useSelectionList = false);
  MStatus setObjectType(MObjectFormat objectFormat, unsigned int minimumObjects = 0);
  MStatus setObjectType(MObjectFormat objectFormat, unsigned int minimumObjects,
                        unsigned int maximumObjects);
  void enableQuery(bool supportsQuery = true);
  void enableEdit(bool supportsEdit = true);

  static const char* className();

 private:
  friend struct mayasim::ObjectAccess;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
