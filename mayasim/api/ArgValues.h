// Reading command argument values as the types MSyntax names. Each gives
// nothing when the value does not read as that type.
#pragma once

#include <optional>
#include <string>

#include "mel/Value.h"

namespace mayasim {

// true/false, on/off, yes/no, 1/0 (any case), or a number (non-zero is true).
std::optional<bool> argAsBool(const mel::Value& v);
// An int, a float with no fraction, or text that is an integer.
std::optional<int> argAsInt(const mel::Value& v);
// A number, or text that is a number as a whole.
std::optional<double> argAsDouble(const mel::Value& v);
// Any value as text (numbers in their shortest form; arrays joined by blanks).
std::string argAsString(const mel::Value& v);

}  // namespace mayasim
