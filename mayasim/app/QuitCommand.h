// `quit [-force] [-exitCode N]`: asks the executable to end at the next
// opportunity (after the running script, between idle events or typed lines).
#pragma once

#include <optional>

namespace mel {
class Interpreter;
}

namespace mayasim::app {

struct QuitRequest {
  bool requested = false;
  std::optional<int> exitCode;
};

// Registers `quit`; the request is written into `request`, which must outlive
// the interpreter's use of the command.
void registerQuitCommand(mel::Interpreter& interpreter, QuitRequest& request);

}  // namespace mayasim::app
