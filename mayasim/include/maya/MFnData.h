// Base of the data function sets; its Type names the kinds of data an
// attribute can hold.
#ifndef _MFnData
#define _MFnData

#include <maya/MFnBase.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MFnData : public MFnBase {
 public:
  enum Type {
    kInvalid,
    kNumeric,
    kPlugin,
    kPluginGeometry,
    kString,
    kMatrix,
    kStringArray,
    kDoubleArray,
    kFloatArray,
    kIntArray,
    kPointArray,
    kVectorArray,
    kMatrixArray,
    kComponentList,
    kMesh,
    kLattice,
    kNurbsCurve,
    kNurbsSurface,
    kSphere,
    kDynArrayAttrs,
    kDynSweptGeometry,
    kSubdSurface,
    kNObject,
    kNId,
    kAny,
    kFalloffFunction,
    kLast
  };
};

OPENMAYA_NAMESPACE_CLOSE

#endif
