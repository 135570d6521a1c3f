#include "api/ArgValues.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace mayasim {
namespace {

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::optional<double> parseNumber(const std::string& text) {
  const char* begin = text.c_str();
  char* end = nullptr;
  errno = 0;
  double v = std::strtod(begin, &end);
  if (end == begin || errno == ERANGE) return std::nullopt;
  while (*end && std::isspace(static_cast<unsigned char>(*end))) ++end;
  if (*end) return std::nullopt;
  return v;
}

}  // namespace

std::optional<bool> argAsBool(const mel::Value& v) {
  if (v.isNumber()) return v.asFloat() != 0;
  if (!v.isString()) return std::nullopt;
  std::string s = lower(v.asString());
  if (s == "true" || s == "on" || s == "yes" || s == "1") return true;
  if (s == "false" || s == "off" || s == "no" || s == "0") return false;
  return std::nullopt;
}

std::optional<int> argAsInt(const mel::Value& v) {
  double d;
  if (v.isInt()) return v.asInt();
  if (v.isFloat()) {
    d = v.asFloat();
  } else if (v.isString()) {
    std::optional<double> n = parseNumber(v.asString());
    if (!n) return std::nullopt;
    d = *n;
  } else {
    return std::nullopt;
  }
  if (d != std::floor(d) || d < INT_MIN || d > INT_MAX) return std::nullopt;
  return static_cast<int>(d);
}

std::optional<double> argAsDouble(const mel::Value& v) {
  if (v.isNumber()) return v.asFloat();
  if (v.isString()) return parseNumber(v.asString());
  return std::nullopt;
}

std::string argAsString(const mel::Value& v) {
  if (v.isFloat()) return mel::formatDouble(v.asFloat());
  if (v.isArray()) return v.toString();
  return v.asString();
}

}  // namespace mayasim
