#include "Interrupt.h"

#include "host/ComputationInterrupt.h"

#include <csignal>

namespace mayasim::app {

namespace {

volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void onInterrupt(int signalNumber) {
  // During a long computation Ctrl-C asks it to stop; mayasim keeps running.
  if (mayasim::interruptComputation()) return;
  if (gInterrupted != 0) {
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
    return;
  }
  gInterrupted = 1;
}

}  // namespace

void installInterruptHandler() {
  struct sigaction current {};
  if (sigaction(SIGINT, nullptr, &current) == 0 && current.sa_handler == onInterrupt) return;
  struct sigaction action {};
  action.sa_handler = onInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a waiting poll or sleep returns at once
  sigaction(SIGINT, &action, nullptr);
}

bool interruptRequested() { return gInterrupted != 0; }

void clearInterrupt() { gInterrupted = 0; }

}  // namespace mayasim::app
