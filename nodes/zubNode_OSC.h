// zubNode_OSC: marks where OSC reception was switched on.
//
// zubCmd_toggleOSC creates one each time it switches reception on. The node
// computes nothing; it records when it was made, so a user looking at the
// scene can tell the switch-ons apart.
#pragma once

#include <maya/MObject.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>
#include <maya/MTypeId.h>

#include "nodes/zubNodeTypes.h"

class zubNode_OSC : public MPxNode {
 public:
  static constexpr const char* kTypeName = zubNodes::kZubNodeOscTypeName;
  static const MTypeId id;

  static MObject aSwitchedOnAt;  // string: local time of creation, "YYYY-MM-DD hh:mm:ss"

  static void* creator();
  static MStatus initialize();

  void postConstructor() override;
};
