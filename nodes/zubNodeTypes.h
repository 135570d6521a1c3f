// Names and type ids of the zubNodes node types. zubBase's commands create
// nodes by these names, so both plug-ins take them from here.
//
// Maya writes these numbers into scene files and finds the node type by them
// when it reads a file back, so they must never change once a scene uses them.
// Both come from 0x00000-0x7FFFF, the block Maya leaves to plug-ins that stay
// inside one site; a plug-in shared beyond it needs a prefix assigned by
// Autodesk (the two-argument MTypeId constructor).
#pragma once

namespace zubNodes {

constexpr char kZubNode001TypeName[] = "zubNode001";
constexpr char kZubNodeOscTypeName[] = "zubNode_OSC";

constexpr unsigned int kZubNode001Id = 0x0007A001;  // the rolling-wheel rig
constexpr unsigned int kZubNodeOscId = 0x0007A002;  // the OSC switch-on marker

}  // namespace zubNodes
