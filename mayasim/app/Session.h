// One run of the executable: the -c commands and scripts, then the idle loop
// and/or the interactive session, then every plug-in unloaded.
#pragma once

#include <chrono>

#include "Options.h"
#include "QuitCommand.h"

namespace mayasim {
class Host;
}

namespace mayasim::app {

// Exit status after Ctrl-C (128 + SIGINT, as shells report it).
constexpr int kInterruptedStatus = 130;

class Session {
 public:
  Session(Host& host, Options options);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Runs everything and returns the exit status: 0, 1 after a MEL error,
  // quit's -exitCode, or kInterruptedStatus.
  int run();

 private:
  bool runStep(const Step& step);  // false after a MEL error (already printed)
  void runIdle(double seconds);
  void runInteractive();
  void fireIdle();
  bool hasIdleCallbacks() const;
  bool shouldStop() const;
  int exitStatus() const;

  Host& host_;
  Options options_;
  QuitRequest quit_;
  bool failed_ = false;
  std::chrono::steady_clock::time_point handlerCheckedAt_{};
};

}  // namespace mayasim::app
