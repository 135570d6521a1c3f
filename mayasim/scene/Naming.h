// Helpers for Maya-style node names, shared by the scene and its commands.
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace scene {

// The name with every character that may not appear in a node name replaced
// by '_' (a trailing run of '#' is kept), and '_' put in front of a leading
// digit. Empty when nothing is left.
std::string legalName(std::string_view name);

// "pCube12" -> {"pCube", "12"}; "foo" -> {"foo", ""}.
std::pair<std::string, std::string> splitTrailingDigits(std::string_view name);

// Base of the default name for a node type: the type name without trailing
// digits ("zubNode001" -> "zubNode"); the whole name if it is all digits.
std::string defaultBaseName(std::string_view typeName);

// Shell-style match of a whole name: '*' any run, '?' one character.
bool globMatch(std::string_view pattern, std::string_view text);

}  // namespace scene
