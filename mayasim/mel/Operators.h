// MEL's operators on values: arithmetic with int/float/string/vector
// promotion, string concatenation, comparisons.
#pragma once

#include "mel/Ast.h"
#include "mel/Value.h"

namespace mel::detail {

// Throws mel::Error for operands the operator cannot take, and
// "Division by zero" for an integer (or modulo) division by zero.
Value binaryOp(BinaryOp op, const Value& a, const Value& b);
Value negate(const Value& v);
// int arithmetic is 32-bit and wraps: the int that `v` wraps to.
int wrap(long long v);

}  // namespace mel::detail
