// The error MEL code raises (the parser's ParseError adds where it was found).
#pragma once

#include <stdexcept>

namespace mel {

// Thrown where a fault is found (by the interpreter or by a command); caught
// once by Interpreter::run, which prints "// Error: line N: message //" and
// stops the script.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace mel
