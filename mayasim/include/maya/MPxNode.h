// Base of plug-in node types. The host creates one object per node of the
// type and calls compute() when an output the node owns is read while dirty.
#ifndef _MPxNode
#define _MPxNode

#include <maya/MDataBlock.h>
#include <maya/MDataHandle.h>
#include <maya/MDeprecate.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>
#include <maya/MTypes.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MPxNode {
 public:
  enum Type {
    kDependNode = 0,
    kLocatorNode,
    kDeformerNode,
    kManipContainer,
    kSurfaceShape,
    kFieldNode,
    kEmitterNode,
    kSpringNode,
    kIkSolverNode,
    kHardwareShader,
    kHwShaderNode,
    kTransformNode,
    kObjectSet,
    kFluidEmitterNode,
    kImagePlaneNode,
    kParticleAttributeMapperNode,
    kCameraSetNode,
    kConstraintNode,
    kManipulatorNode,
    kMotionPathNode,
    kClientDeviceNode,
    kThreadedDeviceNode,
    kAssembly,
    kSkinCluster,
    kGeometryFilter,
    kBlendShape,
    kLast
  };

  MPxNode();
  virtual ~MPxNode();
  // Called once the node exists in the scene (thisMObject() is valid).
  virtual void postConstructor();
  // Computes `plug` from the inputs in `dataBlock`; kUnknownParameter for a
  // plug the node does not compute. The default returns kUnknownParameter.
  virtual MStatus compute(const MPlug& plug, MDataBlock& dataBlock);
  virtual MStatus connectionMade(const MPlug& plug, const MPlug& otherPlug, bool asSrc);
  virtual MStatus connectionBroken(const MPlug& plug, const MPlug& otherPlug, bool asSrc);
  virtual Type type() const;
  virtual MTypeId typeId() const;
  virtual MString name() const;
  virtual MObject thisMObject() const;

  // Used from the type's initialize function: adds an attribute made with an
  // attribute function set to the type being registered.
  static MStatus addAttribute(const MObject& attr);
  // Setting `whenChanges` marks `isAffected` dirty.
  static MStatus attributeAffects(const MObject& whenChanges, const MObject& isAffected);
  static MStatus attributeAffects(const MObject& whenChanges, const MObject& isAffected,
                                  bool affectsTopology);
  static MStatus inheritAttributesFrom(const MString& parentClassName);

  // Attributes every node has.
  static MObject message;
  static MObject isHistoricallyInteresting;
  static MObject caching;
  static MObject state;
  static MObject frozen;

  static const char* className();

 private:
  MPxNode(const MPxNode&);
  MPxNode& operator=(const MPxNode&);

  friend struct mayasim::ObjectAccess;
  void* instance;  // the host's record of this node
};

OPENMAYA_NAMESPACE_CLOSE

#endif
