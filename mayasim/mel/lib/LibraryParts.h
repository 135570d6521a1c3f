// The parts of the standard library, one per file (internal to mel/lib).
#pragma once

namespace mel {
class Interpreter;
}

namespace mel::lib {

void registerMathCommands(Interpreter& interp);
void registerStringCommands(Interpreter& interp);
void registerRegexCommands(Interpreter& interp);
void registerArrayCommands(Interpreter& interp);

}  // namespace mel::lib
