// Base of the message classes: callback types and removal.
#ifndef _MMessage
#define _MMessage

#include <maya/MApiNamespace.h>
#include <maya/MDeprecate.h>
#include <maya/MPlugin.h>
#include <maya/MStatus.h>

// Identifies a registered callback; 0 is never a valid id.
typedef uintptr_t MCallbackId;

OPENMAYA_MAJOR_NAMESPACE_OPEN

class OPENMAYA_EXPORT MMessage {
 public:
  typedef void (*MBasicFunction)(void* clientData);

  // Removes a callback registered through any message class. kFailure for
  // an id that is not (or no longer) registered.
  static MStatus removeCallback(MCallbackId id);

  static const char* className();
};

OPENMAYA_NAMESPACE_CLOSE

#endif
