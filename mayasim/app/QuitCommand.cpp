#include "QuitCommand.h"

#include <vector>

#include "mel/CommandArgs.h"
#include "mel/Interpreter.h"

namespace mayasim::app {

void registerQuitCommand(mel::Interpreter& interpreter, QuitRequest& request) {
  interpreter.registerCommand("quit", [&request](mel::Interpreter&, const mel::Args& args) {
    static const std::vector<mel::FlagDecl> kFlags = {{"f", "force", 0}, {"ec", "exitCode", 1}};
    const mel::CommandArgs parsed("quit", kFlags, args);
    request.requested = true;
    if (parsed.has("exitCode")) request.exitCode = parsed.arg("exitCode").asInt();
    return mel::Value();
  });
}

}  // namespace mayasim::app
