#include "host/ComputationInterrupt.h"

#include <algorithm>
#include <atomic>

#include "host/Host.h"

namespace {

// Set from a signal handler, so plain lock-free atomics only.
static_assert(std::atomic<bool>::is_always_lock_free);
static_assert(std::atomic<int>::is_always_lock_free);
std::atomic<int> gDepth{0};  // nesting of running computations
std::atomic<bool> gSignalled{false};

// Main thread only.
struct Schedule {
  bool armed = false;
  long firstPoll = 0;    // in totalPolls' count; the first poll that reports
  long reportCount = 0;  // 0: every poll from firstPoll on
};
Schedule gSchedule;
long gTotalPolls = 0;        // every counted poll, ever
long gComputationPolls = 0;  // polls of the running or last computation

bool scheduleReports(long poll) {
  if (!gSchedule.armed || poll < gSchedule.firstPoll) return false;
  return gSchedule.reportCount <= 0 || poll < gSchedule.firstPoll + gSchedule.reportCount;
}

}  // namespace

namespace mayasim {

bool interruptComputation() noexcept {
  if (gDepth.load() <= 0) return false;
  return !gSignalled.exchange(true);
}

bool computationRunning() noexcept { return gDepth.load() > 0; }

void scheduleInterrupt(long afterPolls, long reportCount) {
  gSchedule.armed = true;
  gSchedule.firstPoll = gTotalPolls + std::max(afterPolls, 1L);
  gSchedule.reportCount = std::max(reportCount, 0L);
}

void clearInterrupts() {
  gSchedule = Schedule{};
  gSignalled = false;
  host().clearInterrupt();
}

bool interruptPending() { return gSchedule.armed && gTotalPolls < gSchedule.firstPoll; }

long computationPolls() { return gComputationPolls; }

void computationStarted() {
  if (gDepth.fetch_add(1) == 0) gComputationPolls = 0;
}

bool pollInterrupt() {
  ++gComputationPolls;
  const long poll = ++gTotalPolls;
  return scheduleReports(poll) || gSignalled.load() || host().interruptRequested();
}

void computationEnded() {
  if (gDepth.fetch_sub(1) != 1) return;  // an outer computation still runs
  if (gSchedule.armed && gTotalPolls >= gSchedule.firstPoll) gSchedule = Schedule{};
  gSignalled = false;
  host().clearInterrupt();
}

}  // namespace mayasim
