// API type of an object, used with MObject::hasFn and MItSelectionList filters.
#ifndef _MFn
#define _MFn

#include <maya/MApiNamespace.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MFn {
 public:
  MFn();
  enum Type {
    kInvalid = 0,
    kBase = 1,
    kNamedObject = 2,
    kModel = 3,
    kDependencyNode = 4,
    kDagNode = 107,
    kTransform = 110,
    kJoint = 121,
    kShape = 248,
    kCamera = 250,
    // kLocator, kLight and kPointLight: the numbers are this host's own choice.
    kLocator = 281,
    kMesh = 296,
    kMeshGeom = 297,
    kLight = 302,
    kPointLight = 309,
    kPluginDependNode = 459,
    kAttribute = 565,
    kNumericAttribute = 566,
    kUnitAttribute = 573,
    kTypedAttribute = 574,
    kMeshData = 589,
    kLast = 1150
  };
};

OPENMAYA_NAMESPACE_CLOSE

#endif
