// The text form of the UI tree that simUI prints and tests compare against.
#pragma once

#include <string>

#include "ui/Control.h"

namespace ui {

// One line for the control, without indent or newline, e.g.
// `button btnHider "Pick" actOnPress` or `floatSlider s1 value=2.5 [0..10] step=0.1`.
std::string describe(const Control& control);

// The control and everything under it, one line each ending in "\n", indented
// by two spaces per level below `root`.
std::string treeText(const Control& root);

}  // namespace ui
