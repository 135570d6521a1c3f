// Numeric data; its Type names the numeric attribute kinds.
#ifndef _MFnNumericData
#define _MFnNumericData

#include <maya/MFnData.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MFnNumericData : public MFnData {
 public:
  enum Type {
    kInvalid,
    kBoolean,
    kByte,
    kChar,
    kShort,
    k2Short,
    k3Short,
    kLong,
    kInt = kLong,
    k2Long,
    k2Int = k2Long,
    k3Long,
    k3Int = k3Long,
    kInt64,
    kFloat,
    k2Float,
    k3Float,
    kDouble,
    k2Double,
    k3Double,
    k4Double,
    kAddr,
    kLast
  };
};

OPENMAYA_NAMESPACE_CLOSE

#endif
