// Function set for transforms. Values are in internal units (cm, radians).
#ifndef _MFnTransform
#define _MFnTransform

#include <maya/MFnDagNode.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

class MEulerRotation;

class OPENMAYA_EXPORT MFnTransform : public MFnDagNode {
  declareMFnBaseMembers(MFnTransform);

 public:
  MFnTransform();
  MFnTransform(MObject& object, MStatus* ReturnStatus = NULL);
  MFnTransform(const MDagPath& object, MStatus* ReturnStatus = NULL);
  MFnTransform(const MObject& object, MStatus* ReturnStatus = NULL);
  ~MFnTransform() override;

  // A new transform under `parent` (the world when null). Not undoable.
  MObject create(MObject parent = MObject::kNullObj, MStatus* ReturnStatus = NULL);

  // Translation in kTransform/kObject space (kWorld adds the parents').
  MVector getTranslation(MSpace::Space space, MStatus* ReturnStatus = NULL) const;
  MStatus setTranslation(const MVector& vec, MSpace::Space space);
  MStatus translateBy(const MVector& vec, MSpace::Space space);

  MStatus getScale(double scale[3]) const;
  MStatus setScale(const double scale[3]);
  MStatus scaleBy(const double scale[3]);

  MStatus getRotation(MEulerRotation& rotation) const;
  MStatus setRotation(const MEulerRotation& rotation);
  MStatus rotateBy(const MEulerRotation& rotation, MSpace::Space space = MSpace::kTransform);

  [[deprecated("use getTranslation")]] MVector translation(MSpace::Space space,
                                                           MStatus* ReturnStatus = nullptr) const;
};

#endif
