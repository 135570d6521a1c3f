// The values a node's compute() reads and writes. Valid only inside compute().
#ifndef _MDataBlock
#define _MDataBlock

#include <maya/MDataHandle.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MDataBlock {
 public:
  MDataBlock(const MDataBlock& other);
  virtual ~MDataBlock();

  // An input's value, evaluated (through connections and computes) first.
  MDataHandle inputValue(const MPlug& plug, MStatus* ReturnStatus = NULL);
  MDataHandle inputValue(const MObject& attribute, MStatus* ReturnStatus = NULL);
  // Where an output's new value is written; setClean() then stores it.
  MDataHandle outputValue(const MPlug& plug, MStatus* ReturnStatus = NULL);
  MDataHandle outputValue(const MObject& attribute, MStatus* ReturnStatus = NULL);
  MStatus setClean(const MPlug& plug);
  MStatus setClean(const MObject& attribute);

  static const char* className();

 private:
  MDataBlock();
  MDataBlock& operator=(const MDataBlock&);

  friend struct mayasim::ObjectAccess;
  void* impl_;  // the compute call this block belongs to
};

OPENMAYA_NAMESPACE_CLOSE

#endif
