// Base of the message classes: callback types and removal.
#ifndef _MMessage
#define _MMessage

#include <maya/MStatus.h>
#include <maya/MTypes.h>

class OPENMAYA_EXPORT MMessage {
 public:
  typedef void (*MBasicFunction)(void* clientData);

  // Removes a callback registered through any message class. kFailure for
  // an id that is not (or no longer) registered.
  static MStatus removeCallback(MCallbackId id);

  static const char* className();
};

#endif
