// MEL's value conversions, all in one place.
#include "mel/Value.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <ostream>
#include <string_view>

#include "mel/Error.h"

namespace mel {

namespace {

// Elements past this index are refused rather than allocated.
constexpr std::size_t kMaxArrayIndex = 10'000'000;

[[noreturn]] void cannotConvert(ValueType from, ValueType to) {
  throw Error(std::string("Cannot convert data of type ") + Value::typeName(from) + " to type " +
              Value::typeName(to) + ".");
}

// C's strtod on the leading part of the text; 0 when nothing reads as a number.
double parseLeadingNumber(const std::string& s) {
  const char* begin = s.c_str();
  char* end = nullptr;
  double v = std::strtod(begin, &end);
  if (end == begin || std::isnan(v)) return 0.0;
  return v;
}

int truncateToInt(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return std::numeric_limits<int>::max();
  if (v <= -2147483648.0) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}

template <class T>
const std::vector<T>* arrayOf(
    const std::variant<int, double, std::string, Vector3, std::vector<int>, std::vector<double>,
                       std::vector<std::string>>& d) {
  return std::get_if<std::vector<T>>(&d);
}

}  // namespace

std::string formatFloat(double v) {
  if (v == 0.0) return "0";  // also turns -0 into 0
  char buf[64];
  if (!std::isfinite(v)) {
    std::snprintf(buf, sizeof buf, "%.10g", v);
    return buf;
  }
  // General format with a precision prints exactly as printf's %.10g.
  const auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 10).ptr;
  return std::string(buf, static_cast<std::size_t>(end - buf));
}

namespace {

// printf's %g at the smallest precision that reads back as v, searched one
// precision at a time. Used where the shortest round-trip digits may not be
// the ones %g rounds to.
std::string searchedShortest(double v, int minimum, int digits) {
  char buf[64];
  const char* end = buf;
  for (int precision = std::max(minimum, digits); precision <= 17; ++precision) {
    end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, precision).ptr;
    double back = 0;
    std::from_chars(buf, end, back);
    if (back == v) break;
  }
  return std::string(buf, static_cast<std::size_t>(end - buf));
}

}  // namespace

std::string formatDouble(double v) {
  if (v == 0.0) return "0";
  char buf[64];
  if (!std::isfinite(v)) {
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
  }
  const double magnitude = std::fabs(v);
  // Whole numbers that a double holds exactly print as integers: %g at any
  // precision that covers their digits gives exactly that.
  if (magnitude < 9007199254740992.0 && v == std::trunc(v)) {
    const char* end = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(v)).ptr;
    return std::string(buf, static_cast<std::size_t>(end - buf));
  }
  // Enough digits for the integer part, so that 20 prints as "20" and not "2e+01"
  // (log10 of a value just below 1e17 rounds up to 17).
  const int minimum = magnitude >= 1 && magnitude < 1e17
                          ? std::min(17, static_cast<int>(std::log10(magnitude)) + 1)
                          : 1;
  // The shortest digits that read back as v, as d.ddde+XX.
  const char* sciEnd = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific).ptr;
  const char* e = std::find(static_cast<const char*>(buf), sciEnd, 'e');
  char digits[24];
  int count = 0;
  for (const char* p = buf; p < e && count < 24; ++p) {
    if (*p >= '0' && *p <= '9') digits[count++] = *p;
  }
  int exponent = 0;
  std::from_chars(e + (e[1] == '+' ? 2 : 1), sciEnd, exponent);
  // Away from powers of two a value's rounding interval is symmetric, so the
  // shortest digits are also the nearest ones at their own precision: they
  // are what %g prints there, and no shorter %g reads back.
  int binaryExponent = 0;
  if (count < minimum || std::frexp(magnitude, &binaryExponent) == 0.5)
    return searchedShortest(v, minimum, count);
  if (exponent < -4 || exponent >= count)
    return std::string(buf, static_cast<std::size_t>(sciEnd - buf));
  const std::string_view shortest(digits, static_cast<std::size_t>(count));
  std::string out;
  out.reserve(static_cast<std::size_t>(count) + 8);
  if (v < 0) out += '-';
  if (exponent < 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += shortest;
  } else {
    const auto whole = static_cast<std::size_t>(exponent + 1);
    out += shortest.substr(0, whole);
    if (shortest.size() > whole) out.append(".").append(shortest.substr(whole));
  }
  return out;
}

std::string formatVectorLiteral(const Vector3& v) {
  return "<<" + formatFloat(v[0]) + ", " + formatFloat(v[1]) + ", " + formatFloat(v[2]) + ">>";
}

Value::Value() : data_(0), noResult_(true) {}
Value::Value(int v) : data_(v) {}
Value::Value(double v) : data_(v) {}
Value::Value(std::string v) : data_(std::move(v)) {}
Value::Value(const char* v) : data_(std::string(v)) {}
Value::Value(Vector3 v) : data_(v) {}
Value::Value(std::vector<int> v) : data_(std::move(v)) {}
Value::Value(std::vector<double> v) : data_(std::move(v)) {}
Value::Value(std::vector<std::string> v) : data_(std::move(v)) {}

bool Value::isArray() const { return isArrayType(type()); }

bool Value::isArrayType(ValueType t) {
  return t == ValueType::IntArray || t == ValueType::FloatArray || t == ValueType::StringArray;
}

ValueType Value::arrayTypeOf(ValueType scalar) {
  switch (scalar) {
    case ValueType::Int:
      return ValueType::IntArray;
    case ValueType::Float:
      return ValueType::FloatArray;
    case ValueType::String:
      return ValueType::StringArray;
    case ValueType::Vector:
      throw Error("Arrays of vectors are not supported.");
    default:
      return scalar;
  }
}

Value Value::zero(ValueType t) {
  switch (t) {
    case ValueType::Int:
      return Value(0);
    case ValueType::Float:
      return Value(0.0);
    case ValueType::String:
      return Value(std::string());
    case ValueType::Vector:
      return Value(Vector3{0, 0, 0});
    case ValueType::IntArray:
      return Value(std::vector<int>{});
    case ValueType::FloatArray:
      return Value(std::vector<double>{});
    case ValueType::StringArray:
      return Value(std::vector<std::string>{});
  }
  return Value(0);
}

int Value::asInt() const {
  switch (type()) {
    case ValueType::Int:
      return std::get<int>(data_);
    case ValueType::Float:
      return truncateToInt(std::get<double>(data_));
    case ValueType::String:
      return truncateToInt(parseLeadingNumber(std::get<std::string>(data_)));
    default:
      cannotConvert(type(), ValueType::Int);
  }
}

double Value::asFloat() const {
  switch (type()) {
    case ValueType::Int:
      return std::get<int>(data_);
    case ValueType::Float:
      return std::get<double>(data_);
    case ValueType::String:
      return parseLeadingNumber(std::get<std::string>(data_));
    default:
      cannotConvert(type(), ValueType::Float);
  }
}

std::string Value::asString() const {
  switch (type()) {
    case ValueType::Int:
      return std::to_string(std::get<int>(data_));
    case ValueType::Float:
      return formatFloat(std::get<double>(data_));
    case ValueType::String:
      return std::get<std::string>(data_);
    case ValueType::Vector: {
      const Vector3& v = std::get<Vector3>(data_);
      return formatFloat(v[0]) + " " + formatFloat(v[1]) + " " + formatFloat(v[2]);
    }
    default:
      cannotConvert(type(), ValueType::String);
  }
}

Vector3 Value::asVector() const {
  switch (type()) {
    case ValueType::Vector:
      return std::get<Vector3>(data_);
    case ValueType::Int:
    case ValueType::Float: {
      double d = asFloat();
      return {d, d, d};
    }
    case ValueType::String: {
      // "1 2 3", as a vector prints.
      Vector3 v{0, 0, 0};
      const char* p = std::get<std::string>(data_).c_str();
      for (double& c : v) {
        char* end = nullptr;
        c = std::strtod(p, &end);
        if (end == p) break;
        p = end;
      }
      return v;
    }
    case ValueType::IntArray:
    case ValueType::FloatArray: {
      // A numeric array such as getAttr's float[] for a double3 attribute.
      Vector3 v{0, 0, 0};
      for (std::size_t i = 0; i < 3 && i < size(); ++i) v[i] = element(i).asFloat();
      return v;
    }
    default:
      cannotConvert(type(), ValueType::Vector);
  }
}

std::vector<int> Value::asIntArray() const {
  if (auto a = arrayOf<int>(data_)) return *a;
  if (!isArray()) cannotConvert(type(), ValueType::IntArray);
  std::vector<int> out;
  for (std::size_t i = 0; i < size(); ++i) out.push_back(element(i).asInt());
  return out;
}

std::vector<double> Value::asFloatArray() const {
  if (auto a = arrayOf<double>(data_)) return *a;
  if (isVector()) {
    const Vector3& v = std::get<Vector3>(data_);
    return {v[0], v[1], v[2]};
  }
  if (!isArray()) cannotConvert(type(), ValueType::FloatArray);
  std::vector<double> out;
  for (std::size_t i = 0; i < size(); ++i) out.push_back(element(i).asFloat());
  return out;
}

std::vector<std::string> Value::asStringArray() const {
  if (auto a = arrayOf<std::string>(data_)) return *a;
  if (!isArray()) cannotConvert(type(), ValueType::StringArray);
  std::vector<std::string> out;
  for (std::size_t i = 0; i < size(); ++i) out.push_back(element(i).asString());
  return out;
}

Value Value::convertTo(ValueType t) const {
  if (t == type() && !noResult_) return *this;
  switch (t) {
    case ValueType::Int:
      return Value(asInt());
    case ValueType::Float:
      return Value(asFloat());
    case ValueType::String:
      return Value(asString());
    case ValueType::Vector:
      return Value(asVector());
    case ValueType::IntArray:
      return Value(asIntArray());
    case ValueType::FloatArray:
      return Value(asFloatArray());
    case ValueType::StringArray:
      return Value(asStringArray());
  }
  return *this;
}

std::size_t Value::size() const {
  if (auto a = arrayOf<int>(data_)) return a->size();
  if (auto a = arrayOf<double>(data_)) return a->size();
  if (auto a = arrayOf<std::string>(data_)) return a->size();
  return 0;
}

ValueType Value::elementType() const {
  switch (type()) {
    case ValueType::IntArray:
      return ValueType::Int;
    case ValueType::FloatArray:
      return ValueType::Float;
    case ValueType::StringArray:
      return ValueType::String;
    default:
      return type();
  }
}

Value Value::element(std::size_t i) const {
  if (auto a = arrayOf<int>(data_)) return i < a->size() ? Value((*a)[i]) : Value(0);
  if (auto a = arrayOf<double>(data_)) return i < a->size() ? Value((*a)[i]) : Value(0.0);
  if (auto a = arrayOf<std::string>(data_)) return i < a->size() ? Value((*a)[i]) : Value("");
  throw Error(std::string("Cannot index data of type ") + typeName(type()) + ".");
}

void Value::setElement(std::size_t i, const Value& v) {
  if (!isArray()) throw Error(std::string("Cannot index data of type ") + typeName(type()) + ".");
  if (i > kMaxArrayIndex) throw Error("Array index " + std::to_string(i) + " is too large.");
  auto put = [i](auto& vec, auto x) {
    if (vec.size() <= i) vec.resize(i + 1);
    vec[i] = std::move(x);
  };
  if (auto a = std::get_if<std::vector<int>>(&data_))
    put(*a, v.asInt());
  else if (auto b = std::get_if<std::vector<double>>(&data_))
    put(*b, v.asFloat());
  else
    put(std::get<std::vector<std::string>>(data_), v.asString());
  noResult_ = false;
}

bool Value::isTrue() const {
  switch (type()) {
    case ValueType::Int:
      return std::get<int>(data_) != 0;
    case ValueType::Float:
      return std::get<double>(data_) != 0.0;
    case ValueType::String:
      return parseLeadingNumber(std::get<std::string>(data_)) != 0.0;
    case ValueType::Vector: {
      const Vector3& v = std::get<Vector3>(data_);
      return v[0] != 0 || v[1] != 0 || v[2] != 0;
    }
    default:
      return size() > 0;
  }
}

std::string Value::toString() const {
  if (!isArray()) return asString();
  std::string out;
  for (std::size_t i = 0; i < size(); ++i) {
    if (i) out += ' ';
    out += element(i).asString();
  }
  return out;
}

bool Value::operator==(const Value& other) const { return data_ == other.data_; }

const char* Value::typeName(ValueType t) {
  switch (t) {
    case ValueType::Int:
      return "int";
    case ValueType::Float:
      return "float";
    case ValueType::String:
      return "string";
    case ValueType::Vector:
      return "vector";
    case ValueType::IntArray:
      return "int[]";
    case ValueType::FloatArray:
      return "float[]";
    case ValueType::StringArray:
      return "string[]";
  }
  return "?";
}

std::ostream& operator<<(std::ostream& os, const Value& v) { return os << v.toString(); }

}  // namespace mel
