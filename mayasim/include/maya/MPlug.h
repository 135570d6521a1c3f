// One attribute of one node. Values are read and written in internal units
// (centimetres, radians).
#ifndef _MPlug
#define _MPlug

#include <maya/MDeprecate.h>
#include <maya/MIntArray.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MPlug {
 public:
  MPlug();
  MPlug(const MPlug& other);
  MPlug(const MObject& node, const MObject& attribute);
  virtual ~MPlug();
  MPlug& operator=(const MPlug& other);

  MObject attribute(MStatus* ReturnStatus = NULL) const;
  MObject node(MStatus* ReturnStatus = NULL) const;
  MString name(MStatus* ReturnStatus = NULL) const;  // "pCube1.translateX"
  // "tx" by default; "pCube1.tx" with the node name, "translateX" with long
  // names. Indices, instancing, aliases and attribute paths do not occur here.
  MString partialName(bool includeNodeName = false, bool includeNonMandatoryIndices = false,
                      bool includeInstancedIndices = false, bool useAlias = false,
                      bool useFullAttributePath = false, bool useLongNames = false,
                      MStatus* ReturnStatus = NULL) const;
  bool isNull(MStatus* ReturnStatus = NULL) const;
  // Children of a compound (translate -> translateX, Y, Z).
  unsigned int numChildren(MStatus* ReturnStatus = NULL) const;
  MPlug child(unsigned int index, MStatus* ReturnStatus = NULL) const;
  MPlug parent(MStatus* ReturnStatus = NULL) const;
  bool isCompound(MStatus* ReturnStatus = NULL) const;
  bool isConnected(MStatus* ReturnStatus = NULL) const;

  // Reading a plug evaluates it (upstream connections, compute) first.
  double asDouble(MStatus* ReturnStatus = NULL) const;
  float asFloat(MStatus* ReturnStatus = NULL) const;
  int asInt(MStatus* ReturnStatus = NULL) const;
  bool asBool(MStatus* ReturnStatus = NULL) const;
  MString asString(MStatus* ReturnStatus = NULL) const;

  // kFailure when the plug is connected, locked, or of another kind.
  MStatus setDouble(double value);
  MStatus setFloat(float value);
  MStatus setInt(int value);
  MStatus setBool(bool value);
  MStatus setString(const MString& value);

  MStatus getValue(double& value) const;
  MStatus getValue(float& value) const;
  MStatus getValue(int& value) const;
  MStatus getValue(bool& value) const;
  MStatus getValue(MString& value) const;
  MStatus setValue(double value);
  MStatus setValue(float value);
  MStatus setValue(int value);
  MStatus setValue(bool value);
  MStatus setValue(const MString& value);
  MStatus setValue(const char* value);

  bool operator==(const MPlug& other) const;
  bool operator==(const MObject& other) const;  // compares the attribute
  bool operator!=(const MPlug& other) const;
  bool operator!=(const MObject& other) const;

  static const char* className();

 private:
  friend struct mayasim::ObjectAccess;
  MObject node_;
  MObject attribute_;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
