#include "mel/Operators.h"

#include <climits>
#include <cmath>
#include <cstdint>

#include "mel/Error.h"

namespace mel::detail {

namespace {

const char* opText(BinaryOp op) {
  switch (op) {
    case BinaryOp::Add:
      return "+";
    case BinaryOp::Sub:
      return "-";
    case BinaryOp::Mul:
      return "*";
    case BinaryOp::Div:
      return "/";
    case BinaryOp::Mod:
      return "%";
    case BinaryOp::Cross:
      return "^";
    case BinaryOp::Eq:
      return "==";
    case BinaryOp::NotEq:
      return "!=";
    case BinaryOp::Less:
      return "<";
    case BinaryOp::LessEq:
      return "<=";
    case BinaryOp::Greater:
      return ">";
    case BinaryOp::GreaterEq:
      return ">=";
  }
  return "?";
}

[[noreturn]] void illegal(BinaryOp op, const Value& v) {
  throw Error(std::string("Illegal operation \"") + opText(op) + "\" on data of type " +
              Value::typeName(v.type()) + ".");
}

// A string used as a number: "5" is an int, "2.5" a float.
Value numeric(BinaryOp op, const Value& v) {
  if (v.isNumber() || v.isVector()) return v;
  if (!v.isString()) illegal(op, v);
  const std::string& s = v.asString();
  double d = v.asFloat();
  bool integral = s.find_first_of(".eE") == std::string::npos && d >= INT_MIN && d <= INT_MAX;
  return integral ? Value(static_cast<int>(d)) : Value(d);
}

Value intArithmetic(BinaryOp op, long long a, long long b) {
  switch (op) {
    case BinaryOp::Add:
      return Value(wrap(a + b));
    case BinaryOp::Sub:
      return Value(wrap(a - b));
    case BinaryOp::Mul:
      return Value(wrap(a * b));
    case BinaryOp::Div:
      if (b == 0) throw Error("Division by zero");
      return Value(wrap(a / b));
    case BinaryOp::Mod:
      if (b == 0) throw Error("Division by zero");
      return Value(wrap(a % b));
    default:
      illegal(op, Value(0));
  }
}

Value floatArithmetic(BinaryOp op, double a, double b) {
  switch (op) {
    case BinaryOp::Add:
      return Value(a + b);
    case BinaryOp::Sub:
      return Value(a - b);
    case BinaryOp::Mul:
      return Value(a * b);
    case BinaryOp::Div:
      return Value(a / b);
    case BinaryOp::Mod:
      if (b == 0) throw Error("Division by zero");
      return Value(std::fmod(a, b));
    default:
      illegal(op, Value(0.0));
  }
}

Value vectorArithmetic(BinaryOp op, const Value& x, const Value& y) {
  Vector3 a = x.asVector(), b = y.asVector();
  switch (op) {
    case BinaryOp::Add:
      return Value(Vector3{a[0] + b[0], a[1] + b[1], a[2] + b[2]});
    case BinaryOp::Sub:
      return Value(Vector3{a[0] - b[0], a[1] - b[1], a[2] - b[2]});
    case BinaryOp::Mul:
      if (x.isVector() && y.isVector()) return Value(a[0] * b[0] + a[1] * b[1] + a[2] * b[2]);
      return Value(Vector3{a[0] * b[0], a[1] * b[1], a[2] * b[2]});
    case BinaryOp::Div:
      return Value(Vector3{a[0] / b[0], a[1] / b[1], a[2] / b[2]});
    case BinaryOp::Cross:
      if (!x.isVector() || !y.isVector()) illegal(op, x.isVector() ? y : x);
      return Value(
          Vector3{a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]});
    default:
      illegal(op, x);
  }
}

bool equal(const Value& a, const Value& b) {
  if (a.isArray() || b.isArray()) return a.convertTo(b.type()) == b;
  if (a.isString() || b.isString()) return a.asString() == b.asString();
  if (a.isVector() || b.isVector()) return a.asVector() == b.asVector();
  if (a.isInt() && b.isInt()) return a.asInt() == b.asInt();
  return a.asFloat() == b.asFloat();
}

bool less(BinaryOp op, const Value& a, const Value& b) {
  if (a.isString() && b.isString()) return a.asString() < b.asString();
  if (a.isArray() || a.isVector()) illegal(op, a);
  if (b.isArray() || b.isVector()) illegal(op, b);
  return a.asFloat() < b.asFloat();
}

}  // namespace

Value binaryOp(BinaryOp op, const Value& a, const Value& b) {
  const int* ia = a.intIf();
  const int* ib = b.intIf();
  if (ia && ib) {
    switch (op) {
      case BinaryOp::Eq:
        return Value(*ia == *ib ? 1 : 0);
      case BinaryOp::NotEq:
        return Value(*ia != *ib ? 1 : 0);
      case BinaryOp::Less:
        return Value(*ia < *ib ? 1 : 0);
      case BinaryOp::Greater:
        return Value(*ia > *ib ? 1 : 0);
      case BinaryOp::LessEq:
        return Value(*ia <= *ib ? 1 : 0);
      case BinaryOp::GreaterEq:
        return Value(*ia >= *ib ? 1 : 0);
      default:
        return intArithmetic(op, *ia, *ib);
    }
  }
  switch (op) {
    case BinaryOp::Eq:
      return Value(equal(a, b) ? 1 : 0);
    case BinaryOp::NotEq:
      return Value(equal(a, b) ? 0 : 1);
    case BinaryOp::Less:
      return Value(less(op, a, b) ? 1 : 0);
    case BinaryOp::Greater:
      return Value(less(op, b, a) ? 1 : 0);
    case BinaryOp::LessEq:
      return Value(less(op, b, a) ? 0 : 1);
    case BinaryOp::GreaterEq:
      return Value(less(op, a, b) ? 0 : 1);
    default:
      break;
  }
  if (a.isInt() && b.isInt()) return intArithmetic(op, a.asInt(), b.asInt());
  if (op == BinaryOp::Add && (a.isString() || b.isString())) {
    if (a.isArray()) illegal(op, a);
    if (b.isArray()) illegal(op, b);
    return Value(a.asString() + b.asString());
  }
  if (a.isArray()) illegal(op, a);
  if (b.isArray()) illegal(op, b);
  Value x = numeric(op, a), y = numeric(op, b);
  if (x.isVector() || y.isVector()) return vectorArithmetic(op, x, y);
  if (x.isInt() && y.isInt()) return intArithmetic(op, x.asInt(), y.asInt());
  return floatArithmetic(op, x.asFloat(), y.asFloat());
}

Value negate(const Value& v) {
  if (v.isVector()) {
    Vector3 a = v.asVector();
    return Value(Vector3{-a[0], -a[1], -a[2]});
  }
  if (v.isArray())
    throw Error(std::string("Illegal operation \"-\" on data of type ") +
                Value::typeName(v.type()) + ".");
  if (v.isFloat()) return Value(-v.asFloat());
  if (v.isInt()) return Value(wrap(-static_cast<long long>(v.asInt())));
  Value n = numeric(BinaryOp::Sub, v);
  return n.isInt() ? Value(wrap(-static_cast<long long>(n.asInt()))) : Value(-n.asFloat());
}

int wrap(long long v) {
  return static_cast<int>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
}

}  // namespace mel::detail
