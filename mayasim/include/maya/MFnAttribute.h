// Function set for attributes (as made by the attribute function sets, before
// and after they are added to a node type). Defaults: readable, writable,
// connectable, storable, cached; not keyable, not hidden, not an array.
#ifndef _MFnAttribute
#define _MFnAttribute

#include <maya/MFnBase.h>
#include <maya/MFnData.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MFnAttribute : public MFnBase {
  declareMFn(MFnAttribute, MFnBase);

 public:
  enum DisconnectBehavior { kDelete, kReset, kNothing };

  MString name(MStatus* ReturnStatus = NULL) const;
  MString shortName(MStatus* ReturnStatus = NULL) const;

  bool isReadable(MStatus* ReturnStatus = NULL) const;
  bool isWritable(MStatus* ReturnStatus = NULL) const;
  bool isConnectable(MStatus* ReturnStatus = NULL) const;
  bool isStorable(MStatus* ReturnStatus = NULL) const;
  bool isCached(MStatus* ReturnStatus = NULL) const;
  bool isArray(MStatus* ReturnStatus = NULL) const;
  bool isKeyable(MStatus* ReturnStatus = NULL) const;
  bool isHidden(MStatus* ReturnStatus = NULL) const;
  bool isChannelBoxFlagSet(MStatus* ReturnStatus = NULL) const;

  MStatus setReadable(bool state);
  MStatus setWritable(bool state);
  MStatus setConnectable(bool state);
  MStatus setStorable(bool state);
  MStatus setCached(bool state);
  MStatus setArray(bool state);
  MStatus setKeyable(bool state);
  MStatus setHidden(bool state);
  MStatus setChannelBox(bool state);
  MStatus setDisconnectBehavior(DisconnectBehavior behavior);
  DisconnectBehavior disconnectBehavior(MStatus* ReturnStatus = NULL) const;
};

OPENMAYA_NAMESPACE_CLOSE

#endif
