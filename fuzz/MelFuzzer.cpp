// Any text as a MEL script: lexer, parser and interpreter on a fresh
// interpreter per input, with a step budget so that endless loops end.
// Commands that reach outside the process's memory are removed.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "mel/Interpreter.h"
#include "mel/Output.h"
#include "mel/lib/StandardLibrary.h"

namespace {

class NullOutput : public mel::Output {
 public:
  void write(std::string_view) override {}
};

constexpr std::uint64_t kStepBudget = 2000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 16384) return -1;
  NullOutput quiet;
  mel::Interpreter interp(quiet);
  mel::openStandardLibrary(interp);
  interp.setStepBudget(kStepBudget);
  interp.setScriptPath({});
  for (const char* command : {"source", "putenv", "system"}) interp.unregisterCommand(command);
  interp.run(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
