// The MEL that builds the hider tool's window.
#pragma once

#include <maya/MString.h>

// Deletes an open zubHiderWindow, so that the window can be built again
// under its name.
extern const char kCloseHiderWindowScript[];

// One line of MEL, 23 statements, that creates zubHiderWindow with the
// buttons btnHider and btnTohide and the slider radiusSlider, then shows it.
// The buttons run zubCmd_getSelectedObject and take its result as their new
// label; the slider runs zubCmd_changeHiderRadius with its value. `radius`
// goes into the slider's -value as it is, even outside the 0..10 range.
MString hiderWindowScript(const MString& hiderLabel, const MString& hiddenLabel, double radius);
