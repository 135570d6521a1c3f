#include "TokenText.h"

#include <charconv>

namespace zubrelay {

namespace {

template <typename Real>
std::string realText(Real value) {
  if (value == 0) return "0";
  // Fixed notation of the largest double takes 309 digits.
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return std::string(buffer, result.ptr);
}

}  // namespace

std::string tokenText(std::int64_t value) { return std::to_string(value); }
std::string tokenText(float value) { return realText(value); }
std::string tokenText(double value) { return realText(value); }
std::string tokenText(bool value) { return value ? "1" : "0"; }

}  // namespace zubrelay
