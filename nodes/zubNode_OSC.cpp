#include "zubNode_OSC.h"

#include <ctime>

#include <maya/MFnData.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MPlug.h>
#include <maya/MString.h>

#include "nodes/zubNodeTypes.h"

const MTypeId zubNode_OSC::id(zubNodes::kZubNodeOscId);

MObject zubNode_OSC::aSwitchedOnAt;

namespace {

MString localTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
#ifdef _WIN32
  localtime_s(&parts, &now);
#else
  localtime_r(&now, &parts);
#endif
  char text[32] = {};
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
  return MString(text);
}

}  // namespace

void* zubNode_OSC::creator() { return new zubNode_OSC; }

MStatus zubNode_OSC::initialize() {
  MStatus status;
  MFnTypedAttribute typedFn;
  aSwitchedOnAt =
      typedFn.create("switchedOnAt", "sot", MFnData::kString, MObject::kNullObj, &status);
  CHECK_MSTATUS_AND_RETURN_IT(status);
  typedFn.setStorable(true);
  return addAttribute(aSwitchedOnAt);
}

// Runs once the node exists. A node read from a scene file gets its saved
// value afterwards, so the stamp of the original switch-on survives.
void zubNode_OSC::postConstructor() {
  MPlug stamp(thisMObject(), aSwitchedOnAt);
  stamp.setString(localTimeNow());
}
