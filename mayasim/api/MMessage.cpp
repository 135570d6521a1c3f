#include <maya/MEventMessage.h>
#include <maya/MMessage.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>

#include "api/ObjectAccess.h"
#include "host/Host.h"

MStatus MMessage::removeCallback(MCallbackId id) {
  return mayasim::host().removeCallback(id) ? MS::kSuccess : MS::kFailure;
}

const char* MMessage::className() { return "MMessage"; }

MCallbackId MEventMessage::addEventCallback(const MString& event, MMessage::MBasicFunction func,
                                            void* clientData, MStatus* ReturnStatus) {
  MCallbackId id = mayasim::host().addEventCallback(mayasim::str(event), func, clientData);
  if (ReturnStatus) *ReturnStatus = id ? MS::kSuccess : MS::kFailure;
  return id;
}

MStatus MEventMessage::getEventNames(MStringArray& names) {
  names.clear();
  for (const std::string& name : mayasim::Host::eventNames()) names.append(mayasim::mstr(name));
  return MS::kSuccess;
}

const char* MEventMessage::className() { return "MEventMessage"; }
