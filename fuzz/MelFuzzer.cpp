// Any text as a MEL script: lexer, parser and interpreter on a fresh
// interpreter per input, with a step budget so that endless loops end.
// Building the interpreter is cheap; the cost of an input is its run. The
// budget counts statements, not the text that eval parses, and a string can
// double at every step: eval here stops once an input has made it parse more
// text than an input may hold.
// An input may hold a bounded amount of memory; past it allocation fails
// as on a host out of memory.
// Commands that reach outside the process's memory are removed.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/MemoryBudget.h"
#include "mel/Interpreter.h"
#include "mel/Output.h"
#include "mel/lib/StandardLibrary.h"

namespace {

class NullOutput : public mel::Output {
 public:
  void write(std::string_view) override {}
};

constexpr std::uint64_t kStepBudget = 200;
constexpr std::size_t kMaxInput = 16384;
constexpr std::size_t kMemoryBudget = std::size_t{64} << 20;
// Deeply nested text that fails to parse is slow to unwind, so the budget
// stays at the size the fuzzing runs give an input.
constexpr std::size_t kEvalTextBudget = 4096;
std::size_t evalTextLeft = 0;  // for the input being run

// The built-in eval (the same joining of arguments), within the text budget.
mel::Value boundedEval(mel::Interpreter& in, const mel::Args& a) {
  std::size_t first = 0;
  while (first < a.size() && a[first].isString() &&
         (a[first].asString() == "-undoEnabled" || a[first].asString() == "-un"))
    first += 2;
  std::string text;
  for (std::size_t i = first; i < a.size(); ++i) {
    if (i > first) text += ' ';
    text += a[i].toString();
  }
  if (text.size() > evalTextLeft) throw mel::Error("eval text budget exceeded");
  evalTextLeft -= text.size();
  return in.evaluate(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kMaxInput) return -1;
  const fuzz::MemoryBudget budget(kMemoryBudget);
  NullOutput quiet;
  mel::Interpreter interp(quiet);
  mel::openStandardLibrary(interp);
  interp.setStepBudget(kStepBudget);
  interp.setScriptPath({});
  for (const char* command : {"source", "putenv", "system"}) interp.unregisterCommand(command);
  interp.unregisterCommand("eval");
  interp.registerCommand("eval", boundedEval);
  evalTextLeft = kEvalTextBudget;
  interp.run(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
