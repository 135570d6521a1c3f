// simInterrupt: acts as the user pressing Ctrl-C during a computation, at a
// poll chosen in advance, so that interrupted runs are reproducible.
#include <cmath>
#include <string>
#include <vector>

#include "host/ComputationInterrupt.h"
#include "host/Host.h"
#include "mel/CommandArgs.h"

namespace mayasim {

namespace {

constexpr char kName[] = "simInterrupt";

// The whole number given to `flag`, or `fallback` when the flag is absent.
long countArg(const mel::CommandArgs& a, const std::string& flag, long fallback, bool allowZero) {
  if (!a.has(flag)) return fallback;
  const mel::Value& v = a.arg(flag);
  const double n = v.isArray() ? -1.0 : v.asFloat();
  const double least = allowZero ? 0.0 : 1.0;
  if (!(n >= least && n <= 1.0e15) || n != std::floor(n))
    throw mel::Error(std::string(kName) + ": -" + flag + " needs a whole number of at least " +
                     (allowZero ? "0" : "1") + ".");
  return static_cast<long>(n);
}

mel::Value simInterrupt(const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {
      {"a", "afterPolls", 1}, {"c", "count", 1},    {"cl", "clear", 0}, {"q", "query", 0},
      {"p", "polls", 0},      {"pe", "pending", 0}, {"r", "running", 0}};
  mel::CommandArgs a(kName, kFlags, args);
  if (a.query()) {
    if (a.has("polls")) return mel::Value(static_cast<int>(computationPolls()));
    if (a.has("pending")) return mel::Value(interruptPending() ? 1 : 0);
    if (a.has("running")) return mel::Value(computationRunning() ? 1 : 0);
    throw mel::Error(std::string(kName) + ": query -polls, -pending or -running.");
  }
  if (a.has("clear")) {
    if (a.has("afterPolls") || a.has("count"))
      throw mel::Error(std::string(kName) + ": -clear takes no other flag.");
    clearInterrupts();
    return mel::Value();
  }
  scheduleInterrupt(countArg(a, "afterPolls", 1, false), countArg(a, "count", 0, true));
  return mel::Value();
}

}  // namespace

void registerComputationCommands(Host& host) {
  if (host.mel().hasCommand(kName)) return;
  host.mel().registerCommand(
      kName, [](mel::Interpreter&, const mel::Args& args) { return simInterrupt(args); });
}

}  // namespace mayasim
