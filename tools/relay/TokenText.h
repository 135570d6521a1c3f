// The text of a numeric OSC argument as a token: the shortest plain decimal
// that reads back as the same value (a float 0.42 is "0.42", not
// "0.419999987"), never in exponent form, "-0" written "0"; true is "1",
// false "0". Only finite values have a text; callers refuse the others.
#pragma once

#include <cstdint>
#include <string>

namespace zubrelay {

std::string tokenText(std::int64_t value);
std::string tokenText(float value);
std::string tokenText(double value);
std::string tokenText(bool value);

}  // namespace zubrelay
