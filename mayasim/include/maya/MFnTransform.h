// Function set for transforms. Values are in internal units (cm, radians).
#ifndef _MFnTransform
#define _MFnTransform

#include <maya/MDeprecate.h>
#include <maya/MFnDagNode.h>
#include <maya/MObject.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MFnTransform : public MFnDagNode {
  declareDagMFn(MFnTransform, MFnDagNode);

 public:
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

  OPENMAYA_DEPRECATED(2019, "use getTranslation")
  MVector translation(MSpace::Space space, MStatus* ReturnStatus = nullptr) const;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
