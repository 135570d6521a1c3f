// MEL's standard library: math, strings, regular expressions and arrays.
// The interpreter knows only the language and its own commands (print, eval,
// source, the conversions, ...); whoever makes an interpreter opens the
// library into it with one call.
#pragma once

namespace mel {

class Interpreter;

void openStandardLibrary(Interpreter& interp);

}  // namespace mel
