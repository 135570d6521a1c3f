// The kinds of UI object mayasim knows and the properties each one keeps.
// A property is named by its long flag name ("label", "changeCommand") and has
// a type and a default; the MEL commands read and write properties through
// these tables, so adding a plain property to a kind is one line in Kinds.cpp.
#pragma once

#include <string>
#include <vector>

#include "mel/Value.h"

namespace ui {

enum class Kind {
  Window,
  ColumnLayout,
  RowLayout,
  FrameLayout,
  Text,
  TextField,
  Button,
  FloatSlider,
  IntSlider,
};

// The MEL command that creates the kind ("window", "floatSlider", ...); it
// also names the kind in messages and in the tree text.
const char* kindName(Kind kind);

// Windows and layouts hold children; the other kinds do not.
bool holdsChildren(Kind kind);
bool isLayout(Kind kind);

enum class PropType { Bool, Int, Float, String };

struct PropDef {
  std::string shortName;
  std::string longName;
  PropType type;
  mel::Value defaultValue;
  bool defaultIsName = false;  // unset, the property reads as the control's name
};

// Plain properties of a kind: one value each, settable at creation and by
// -edit, returned by -query. Flags with their own rules (-parent,
// -widthHeight, rowLayout -columnWidth...) are not listed here.
const std::vector<PropDef>& propDefs(Kind kind);

// nullptr when the kind has no such property.
const PropDef* findProp(Kind kind, const std::string& longName);

// Converts a flag argument to the property's type with MEL's rules
// (bools accept true/false/on/off/yes/no/1/0).
mel::Value convertProp(const PropDef& def, const mel::Value& given);

}  // namespace ui
