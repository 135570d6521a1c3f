// The command line of the mayasim executable.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mayasim::app {

struct Step {
  enum class Kind { Command, File };
  Kind kind;
  std::string text;  // MEL text, or a script path
};

struct Options {
  std::vector<Step> steps;            // -c commands and script files, in the order given
  std::optional<double> idleSeconds;  // --idle
  bool interactive = false;           // --interactive
  std::string traceFile;              // --trace
  bool quiet = false;                 // --quiet
};

// Exit status for a bad command line.
constexpr int kUsageError = 2;

// Fills `options` from argv. Returns std::nullopt when the program should go
// on, or the status to exit with (0 after --help, kUsageError after a mistake,
// which has been printed to stderr).
std::optional<int> parseOptions(int argc, char** argv, Options& options);

}  // namespace mayasim::app
