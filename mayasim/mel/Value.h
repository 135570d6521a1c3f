// A MEL value: int, float, string, vector, or an array of int, float or string.
// Conversions follow MEL's rules and live in Value.cpp.
#pragma once

#include <array>
#include <iosfwd>
#include <string>
#include <variant>
#include <vector>

namespace mel {

enum class ValueType { Int, Float, String, Vector, IntArray, FloatArray, StringArray };

using Vector3 = std::array<double, 3>;

class Value {
 public:
  Value();  // the int 0; also what a command without a result returns
  Value(int v);
  Value(double v);
  Value(std::string v);
  Value(const char* v);
  Value(Vector3 v);
  Value(std::vector<int> v);
  Value(std::vector<double> v);
  Value(std::vector<std::string> v);

  ValueType type() const;
  bool isInt() const { return type() == ValueType::Int; }
  bool isFloat() const { return type() == ValueType::Float; }
  bool isString() const { return type() == ValueType::String; }
  bool isNumber() const { return isInt() || isFloat(); }
  bool isArray() const;

  // MEL conversions. Scalars convert among themselves ("5.2" -> 5.2, 7.9 -> 7
  // as int, 2.0 -> "2"); an array to a scalar, or a scalar to an array, throws
  // mel::Error("Cannot convert data of type X to type Y.").
  int asInt() const;
  double asFloat() const;
  std::string asString() const;
  Vector3 asVector() const;
  std::vector<int> asIntArray() const;
  std::vector<double> asFloatArray() const;
  std::vector<std::string> asStringArray() const;

  // Element count of an array (0 for a scalar).
  std::size_t size() const;

  // The text MEL prints for this value: floats as %.10g-like ("2", "0.3333333333"),
  // arrays as their elements separated by single blanks.
  std::string toString() const;

  bool operator==(const Value& other) const;
  bool operator!=(const Value& other) const { return !(*this == other); }

  static const char* typeName(ValueType t);  // "int", "float", "string", "vector", "int[]", ...

 private:
  std::variant<int, double, std::string, Vector3, std::vector<int>, std::vector<double>,
               std::vector<std::string>>
      data_;
};

std::ostream& operator<<(std::ostream& os, const Value& v);

// The shortest text that reads back as the same double ("0.1", "20", "-3.25").
std::string formatDouble(double v);

}  // namespace mel
