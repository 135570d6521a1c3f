// What the built-in commands of the language and of its library share (internal).
#pragma once

#include <string>

#include "mel/Interpreter.h"

namespace mel::detail {

// Throws "Wrong number of arguments on call to NAME." unless min <= n <= max.
void expectArgs(const char* name, const Args& args, std::size_t min, std::size_t max);
inline void expectArgs(const char* name, const Args& args, std::size_t n) {
  expectArgs(name, args, n, n);
}

}  // namespace mel::detail
