// The MEL interpreter: runs source text against a table of commands.
// Re-entrant: a command may run MEL again (a plug-in command calling
// MGlobal::executeCommand), so all state lives in the Interpreter object.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "mel/Error.h"
#include "mel/Output.h"
#include "mel/Value.h"

namespace mel {

class Interpreter;

using CommandFn = std::function<Value(Interpreter&, const Args&)>;

struct RunResult {
  bool ok = true;  // false when an error stopped the run (already printed)
  Value value;     // value of the last statement
};

class Interpreter {
 public:
  explicit Interpreter(Output& out);
  ~Interpreter();
  Interpreter(const Interpreter&) = delete;
  Interpreter& operator=(const Interpreter&) = delete;

  Output& output() { return *out_; }

  // Commands (built-in and plug-in share one table). Registering a name that
  // exists returns false and changes nothing.
  bool registerCommand(const std::string& name, CommandFn fn);
  bool unregisterCommand(const std::string& name);
  bool hasCommand(const std::string& name) const;
  std::vector<std::string> commandNames() const;  // sorted

  // Parses and runs `source` at global scope. Errors are printed through
  // output() and reported in the result; nothing is thrown.
  // `sourceName` names the file in error messages (empty for typed text).
  // Typed text shares one set of global-level variables and local procs
  // across runs, as an interactive session does; a named file has its own.
  RunResult run(std::string_view source, std::string_view sourceName = {});

  // As run(), but an error propagates as mel::Error (for eval, backquotes,
  // and commands that run stored MEL on behalf of a caller).
  Value evaluate(std::string_view source);

  // Calls a command or global proc by name with already-evaluated arguments.
  Value call(const std::string& name, const Args& args);

  // Global variables (as `global` declares them), for hosts and tests.
  bool hasGlobal(const std::string& name) const;  // name with the '$'
  Value global(const std::string& name) const;

  // When true, run() prints "// Result: v //" for the value of the last
  // top-level statement, when it has one (interactive sessions). Runs nested
  // inside commands never echo. Default false.
  void setEchoResults(bool on) { echoResults_ = on; }

  // Directories searched by `source` and for unknown procs (<name>.mel).
  // Defaults to the colon-separated MAYA_SCRIPT_PATH.
  void setScriptPath(std::vector<std::string> dirs);

  // Line of the statement being executed (1-based), for error messages.
  int currentLine() const;

  // A message placed at the statement being executed: "line 3: m", or
  // "file: /path/x.mel line 3: m" inside a file; just "m" outside any script.
  std::string locate(std::string_view message) const;
  // Prints "// Warning: line N: message //" (placed as locate() does).
  void warning(std::string_view message);
  // The message of the last error reported by run() or caught by catch.
  const std::string& lastError() const;

  // True when `name` is a command or a proc callable from the running code.
  bool procExists(const std::string& name) const;
  // The file for `source`: `name` or `name.mel` in the script path's
  // directories (for a name without '/'), else as a path from the working
  // directory. Empty when nothing is found.
  std::string findScript(const std::string& name) const;
  // Runs a script file at global scope (as `source` does); its local procs
  // stay visible to its own global procs. Throws mel::Error on failure.
  Value sourceFile(const std::string& pathOrName);

  // For commands that fill a caller's array (tokenize, clear): after the
  // command returns, `v` is stored into argument `index` when the caller
  // passed a variable there.
  void setOutArgument(std::size_t index, Value v);

  // Stops a run that executes more than `steps` statements (0, the default:
  // no limit) with the error "step budget of N statements exceeded"; once
  // spent, every further statement of that run fails too, so neither loops
  // nor catch can go on. The count starts afresh with every outermost run()
  // or evaluate(). For fuzzing and other untrusted text.
  void setStepBudget(std::uint64_t steps);

  // Empties global variables and procs (file -new keeps them, as Maya does;
  // this is for tests).
  void resetGlobals();

 private:
  struct Impl;
  Output* out_;
  bool echoResults_ = false;
  std::unique_ptr<Impl> impl_;
};

}  // namespace mel
