// One value inside an MDataBlock. Getters return references into the value.
#ifndef _MDataHandle
#define _MDataHandle

#include <maya/MDeprecate.h>
#include <maya/MFnData.h>
#include <maya/MFnNumericData.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MTypeId.h>
#include <maya/MTypes.h>

#include <memory>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MDataHandle {
 public:
  MDataHandle();
  MDataHandle(const MDataHandle& other);
  ~MDataHandle();
  MDataHandle& operator=(const MDataHandle& other);

  bool& asBool() const;
  char& asChar() const;
  short& asShort() const;
  int& asInt() const;
  float& asFloat() const;
  double& asDouble() const;
  double3& asDouble3() const;
  MString& asString() const;
  MAngle asAngle() const;
  MDistance asDistance() const;

  void set(bool value);
  void set(char value);
  void set(short value);
  void set(int value);
  void set(float value);
  void set(double value);
  void set(double x, double y, double z);
  void set(const MString& value);
  void set(const MAngle& value);
  void set(const MDistance& value);
  void setBool(bool value);
  void setInt(int value);
  void setFloat(float value);
  void setDouble(double value);
  void setString(const MString& value);
  void setMAngle(const MAngle& value);
  void setMDistance(const MDistance& value);
  // Stores an output's value and marks it clean.
  void setClean();

  static const char* className();

 private:
  friend struct mayasim::ObjectAccess;
  std::shared_ptr<void> impl_;  // the value and where it belongs
};

OPENMAYA_NAMESPACE_CLOSE

#endif
