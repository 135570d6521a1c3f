// zubNode001: a rolling-wheel rig.
//
// A wheel whose hub sits at height `radius` and that has travelled `distance`
// along X turns by -distance / radius radians about Z, so it rolls without
// slipping. zubCmd_zubNode001 wires a transform's translateX into "distance",
// translateY into "radius" and "rotation" back into its rotateZ.
#pragma once

#include <maya/MDataBlock.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>
#include <maya/MTypeId.h>

#include "nodes/zubNodeTypes.h"

class zubNode001 : public MPxNode {
 public:
  static constexpr const char* kTypeName = zubNodes::kZubNode001TypeName;
  static const MTypeId id;

  static MObject aDistance;  // input, linear: how far the wheel has rolled
  static MObject aRadius;    // input, linear: wheel radius
  static MObject aRotation;  // output, angle: the wheel's turn about Z

  static void* creator();
  static MStatus initialize();

  MStatus compute(const MPlug& plug, MDataBlock& data) override;
};
