// Makes and edits numeric attributes (bool, int, float, double, and
// compounds of 2 or 3 doubles).
#ifndef _MFnNumericAttribute
#define _MFnNumericAttribute

#include <maya/MFnAttribute.h>
#include <maya/MFnNumericData.h>
#include <maya/MObject.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MFnNumericAttribute : public MFnAttribute {
  declareMFn(MFnNumericAttribute, MFnAttribute);

 public:
  // A new attribute, and the set attached to it. Add it to the node type
  // with MPxNode::addAttribute.
  MObject create(const MString& fullName, const MString& briefName, MFnNumericData::Type unitType,
                 double defaultValue = 0, MStatus* ReturnStatus = NULL);
  // A compound of two or three numeric children.
  MObject create(const MString& fullName, const MString& briefName, const MObject& child1,
                 const MObject& child2, const MObject& child3 = MObject::kNullObj,
                 MStatus* ReturnStatus = NULL);

  MFnNumericData::Type unitType(MStatus* ReturnStatus = NULL) const;

  MStatus setMin(double min);
  MStatus setMax(double max);
  MStatus setSoftMin(double min);
  MStatus setSoftMax(double max);
  bool hasMin(MStatus* ReturnStatus = NULL) const;
  bool hasMax(MStatus* ReturnStatus = NULL) const;
  MStatus getMin(double& min) const;
  MStatus getMax(double& max) const;

  MStatus setDefault(bool value);
  MStatus setDefault(char value);
  MStatus setDefault(int value);
  MStatus setDefault(MInt64 value);
  MStatus setDefault(float value);
  MStatus setDefault(double value);
  MStatus getDefault(double& value);
};

OPENMAYA_NAMESPACE_CLOSE

#endif
