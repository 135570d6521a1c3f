// Lines from a file descriptor (standard input) without blocking the caller
// longer than it asks, so idle events can keep firing between lines.
#pragma once

#include <optional>
#include <string>

namespace mayasim::app {

class LineReader {
 public:
  explicit LineReader(int fd) : fd_(fd) {}

  // The next whole line (without '\n') if one has arrived; at end of input
  // an unfinished last line is returned too.
  std::optional<std::string> takeLine();

  // Waits up to `timeoutMs` (-1: no limit) for input and reads what is
  // there. Returns early on a signal.
  void wait(int timeoutMs);

  // A line (or the unfinished last one at end of input) is ready to take.
  bool hasLine() const {
    return pending_.find('\n') != std::string::npos || (eof_ && !pending_.empty());
  }

  // End of input reached and every line taken.
  bool finished() const { return eof_ && pending_.empty(); }

 private:
  int fd_;
  std::string pending_;
  bool eof_ = false;
};

}  // namespace mayasim::app
