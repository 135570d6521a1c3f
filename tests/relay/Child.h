// Child processes for the end-to-end tests: started with posix_spawn, with
// pipes where asked, every wait bounded so that a hung program fails the test
// instead of hanging it. A child still running when its object goes is killed.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace relaytest {

class Child {
 public:
  struct Options {
    bool pipeInput = false;
    bool pipeOutput = false;       // standard output to a pipe, read with readLine
    std::string logFile;           // otherwise standard output and error go here
    std::vector<std::string> env;  // NAME=value entries added to the environment
  };

  Child(const std::vector<std::string>& argv, const Options& options);
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  bool started() const { return pid_ > 0; }
  bool write(const std::string& text);
  void closeInput();
  // The next line of output without its line feed; nullopt at the end or
  // when none comes within the timeout.
  std::optional<std::string> readLine(int timeoutMs);
  void signal(int number);
  // The exit status; -1 when the child had to be killed after the timeout,
  // 128 + N when signal N ended it.
  int wait(int timeoutMs);

 private:
  pid_t pid_ = -1;
  int input_ = -1;
  int output_ = -1;
  std::string buffered_;
};

// The full path of a program on PATH; empty when there is none.
std::string findProgram(const std::string& name);

// A UDP port that was free on every local address a moment ago.
int freeUdpPort();

// The whole text of a file; empty when it cannot be read.
std::string fileText(const std::string& path);

}  // namespace relaytest
