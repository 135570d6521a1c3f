// Declares every API class inside the versioned namespace and brings each
// into the global namespace with a using-declaration. Reached through MTypes.h,
// MFn.h, MMessage.h and MPlugin.h, so after any API header every class is
// declared; it is complete only where its own header has been included.
#ifndef _MApiNamespace
#define _MApiNamespace

#define OPENMAYA_MAJOR_NAMESPACE OpenMaya20220000
#define OPENMAYA_MAJOR_NAMESPACE_OPEN \
  namespace Autodesk {                \
  namespace Maya {                    \
  namespace OpenMaya20220000 {
#define OPENMAYA_NAMESPACE_CLOSE \
  }                              \
  }                              \
  }

// libOpenMaya is built with hidden symbols; the devkit classes are what it
// exports.
#ifndef OPENMAYA_EXPORT
#if defined(__GNUC__) || defined(__clang__)
#define OPENMAYA_EXPORT __attribute__((visibility("default")))
#else
#define OPENMAYA_EXPORT
#endif
#endif

// The host library reaches the private representation of the value classes
// through this (mayasim/api/ObjectAccess.h).
namespace mayasim {
struct ObjectAccess;
}

OPENMAYA_MAJOR_NAMESPACE_OPEN

class MAngle;
class MArgDatabase;
class MArgList;
class MArgParser;
class MComputation;
class MDGModifier;
class MDagPath;
class MDataBlock;
class MDataHandle;
class MDistance;
class MDoubleArray;
class MEulerRotation;
class MEventMessage;
class MFn;
class MFnAttribute;
class MFnBase;
class MFnDagNode;
class MFnData;
class MFnDependencyNode;
class MFnMesh;
class MFnNumericAttribute;
class MFnNumericData;
class MFnPlugin;
class MFnTransform;
class MFnTypedAttribute;
class MFnUnitAttribute;
class MGlobal;
class MImage;
class MIntArray;
class MItSelectionList;
class MMessage;
class MObject;
class MPlug;
class MPxCommand;
class MPxNode;
class MSelectionList;
class MSpace;
class MStatus;
class MString;
class MStringArray;
class MSyntax;
class MTypeId;
class MVector;

OPENMAYA_NAMESPACE_CLOSE

using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MAngle;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MArgDatabase;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MArgList;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MArgParser;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MComputation;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MDagPath;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MDataBlock;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MDataHandle;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MDGModifier;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MDistance;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MDoubleArray;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MEulerRotation;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MEventMessage;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MFn;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MFnAttribute;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MFnBase;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MFnDagNode;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MFnData;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MFnDependencyNode;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MFnMesh;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MFnNumericAttribute;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MFnNumericData;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MFnPlugin;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MFnTransform;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MFnTypedAttribute;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MFnUnitAttribute;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MGlobal;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MImage;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MIntArray;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MItSelectionList;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MMessage;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MObject;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MPlug;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MPxCommand;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MPxNode;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MSelectionList;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MSpace;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MStatus;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MString;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MStringArray;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MSyntax;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MTypeId;
using Autodesk::Maya::OPENMAYA_MAJOR_NAMESPACE::MVector;

#endif
