// A MEL value: int, float, string, vector, or an array of int, float or string.
// Conversions follow MEL's rules and live in Value.cpp.
#pragma once

#include <array>
#include <iosfwd>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace mel {

enum class ValueType { Int, Float, String, Vector, IntArray, FloatArray, StringArray };

using Vector3 = std::array<double, 3>;

class Value {
 public:
  // The int 0, marked as "no result": what a command or proc without a result
  // returns. Result echo skips it; every other constructor gives a real value.
  Value();
  Value(int v);
  Value(double v);
  Value(std::string v);
  Value(const char* v);
  Value(Vector3 v);
  Value(std::vector<int> v);
  Value(std::vector<double> v);
  Value(std::vector<std::string> v);

  // Copies build the held value before they commit to it (see copyOf).
  Value(const Value& other) : data_(copyOf(other.data_)), noResult_(other.noResult_) {}
  Value& operator=(const Value& other) {
    if (this != &other) {
      Data copy = copyOf(other.data_);
      data_ = std::move(copy);  // moving every alternative is noexcept
      noResult_ = other.noResult_;
    }
    return *this;
  }
  Value(Value&&) noexcept = default;
  Value& operator=(Value&&) noexcept = default;
  ~Value() = default;

  ValueType type() const { return static_cast<ValueType>(data_.index()); }
  bool isInt() const { return type() == ValueType::Int; }
  bool isFloat() const { return type() == ValueType::Float; }
  bool isString() const { return type() == ValueType::String; }
  bool isNumber() const { return isInt() || isFloat(); }
  bool isVector() const { return type() == ValueType::Vector; }
  bool isArray() const;
  bool isNoResult() const { return noResult_; }
  // The text of a string value, to change in place; null for other types.
  std::string* stringIf() { return std::get_if<std::string>(&data_); }
  const std::string* stringIf() const { return std::get_if<std::string>(&data_); }
  int* intIf() { return std::get_if<int>(&data_); }
  const int* intIf() const { return std::get_if<int>(&data_); }

  // A zero value of a type: 0, 0.0, "", <<0, 0, 0>> or an empty array.
  static Value zero(ValueType t);

  // MEL conversions. Scalars convert among themselves ("5.2" -> 5.2, 7.9 -> 7
  // as int, 2.0 -> "2", "abc" -> 0); arrays convert element by element; an
  // array to a scalar, or a scalar to an array, throws
  // mel::Error("Cannot convert data of type X to type Y."). A vector is made
  // from a number (all three components), from "x y z" text, or from the
  // first three elements of a numeric array (getAttr's float[]); it gives
  // "x y z" as a string and three elements as a float[].
  int asInt() const;
  double asFloat() const;
  std::string asString() const;
  Vector3 asVector() const;
  std::vector<int> asIntArray() const;
  std::vector<double> asFloatArray() const;
  std::vector<std::string> asStringArray() const;

  // This value converted to type t, by the rules above (throws as they do).
  Value convertTo(ValueType t) const;

  // Element count of an array (0 for a scalar).
  std::size_t size() const;
  // Element i of an array; past the end gives the element type's zero.
  // Throws mel::Error for a scalar.
  Value element(std::size_t i) const;
  // Sets element i of an array (converted to the element type), growing the
  // array with zeros or empty strings as needed. Throws mel::Error for a scalar.
  void setElement(std::size_t i, const Value& v);
  // The scalar type of an array's elements (the type itself for a scalar).
  ValueType elementType() const;

  // MEL's truth test for conditions: non-zero number, non-zero vector,
  // a string that reads as a non-zero number, a non-empty array.
  bool isTrue() const;

  // The text MEL prints for this value: floats as %.10g-like ("2", "0.3333333333"),
  // arrays as their elements separated by single blanks.
  std::string toString() const;

  bool operator==(const Value& other) const;
  bool operator!=(const Value& other) const { return !(*this == other); }

  static const char* typeName(ValueType t);  // "int", "float", "string", "vector", "int[]", ...
  static bool isArrayType(ValueType t);
  static ValueType arrayTypeOf(ValueType scalar);  // int -> int[]; throws for vector

 private:
  using Data = std::variant<int, double, std::string, Vector3, std::vector<int>,
                            std::vector<double>, std::vector<std::string>>;

  // A copy of the held value, made in a new variant's storage. When the copy
  // throws (out of memory), libstdc++ 12's own variant copy leaves a storage
  // with the new index behind and runs into undefined behaviour while
  // unwinding; building the alternative through its in-place constructor
  // leaves nothing behind.
  static Data copyOf(const Data& d) {
    return std::visit(
        [](const auto& held) {
          return Data(std::in_place_type<std::decay_t<decltype(held)>>, held);
        },
        d);
  }

  Data data_;
  bool noResult_ = false;
};

std::ostream& operator<<(std::ostream& os, const Value& v);

// The shortest text that reads back as the same double ("0.1", "20", "-3.25").
std::string formatDouble(double v);

// A float as MEL prints it: at most 10 significant digits ("2", "0.3333333333").
std::string formatFloat(double v);

// The text of a vector in result echo: "<<1, 2.5, -3>>".
std::string formatVectorLiteral(const Vector3& v);

// A command's arguments as the caller gave them, in order: flags arrive as
// strings ("-n"), words as strings, numbers as numbers, arrays as arrays.
using Args = std::vector<Value>;

}  // namespace mel
