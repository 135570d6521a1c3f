// The label each hider button shows for the pick recorded so far.
#pragma once

#include <maya/MString.h>

// Shown on a button whose role has no pick yet.
constexpr char kNoPickLabel[] = "Select an object and click here";

// The node name of the picked hider (asHider true) or object to hide
// (asHider false), or kNoPickLabel while that role has no pick.
MString pickLabel(bool asHider);
