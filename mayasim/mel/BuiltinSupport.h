// Shared pieces of the language's built-in commands (internal).
#pragma once

#include <string>

#include "mel/Interpreter.h"

namespace mel::detail {

// Throws "Wrong number of arguments on call to NAME." unless min <= n <= max.
void expectArgs(const char* name, const Args& args, std::size_t min, std::size_t max);
inline void expectArgs(const char* name, const Args& args, std::size_t n) { expectArgs(name, args, n, n); }

void registerMathCommands(Interpreter& interp);
void registerStringCommands(Interpreter& interp);
void registerRegexCommands(Interpreter& interp);
void registerArrayCommands(Interpreter& interp);

}  // namespace mel::detail
