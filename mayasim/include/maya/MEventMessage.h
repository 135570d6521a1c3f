// Callbacks on named host events ("idle", "SelectionChanged", ...).
#ifndef _MEventMessage
#define _MEventMessage

#include <maya/MMessage.h>
#include <maya/MStringArray.h>

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MEventMessage : public MMessage {
 public:
  // Calls `func(clientData)` each time the event fires until the callback is
  // removed (MMessage::removeCallback). An unknown event name gives 0 and
  // kFailure.
  static MCallbackId addEventCallback(const MString& event, MMessage::MBasicFunction func,
                                      void* clientData = NULL, MStatus* ReturnStatus = NULL);
  static MStatus getEventNames(MStringArray& names);

  static const char* className();
};

OPENMAYA_NAMESPACE_CLOSE

#endif
