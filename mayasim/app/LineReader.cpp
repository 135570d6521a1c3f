#include "LineReader.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace mayasim::app {

std::optional<std::string> LineReader::takeLine() {
  const std::size_t newline = pending_.find('\n');
  if (newline == std::string::npos) {
    if (!eof_ || pending_.empty()) return std::nullopt;
    std::string last;
    last.swap(pending_);
    return last;
  }
  std::string line = pending_.substr(0, newline);
  pending_.erase(0, newline + 1);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

void LineReader::wait(int timeoutMs) {
  if (eof_) return;
  pollfd fds{fd_, POLLIN, 0};
  const int ready = poll(&fds, 1, timeoutMs);
  if (ready <= 0) return;  // timeout, or a signal (EINTR)
  char buffer[4096];
  const ssize_t n = read(fd_, buffer, sizeof buffer);
  if (n > 0) {
    pending_.append(buffer, static_cast<std::size_t>(n));
  } else if (n == 0 || errno != EINTR) {
    eof_ = true;
  }
}

}  // namespace mayasim::app
