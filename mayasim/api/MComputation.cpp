#include <maya/MComputation.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <algorithm>
#include <atomic>
#include <string>

#include "api/ComputationInterrupt.h"
#include "api/Host.h"

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

}  // namespace mayasim

struct MComputation::Impl {
  bool running = false;
  int minValue = 0;
  int maxValue = 100;
  int progress = 0;
  std::string status;
};

MComputation::MComputation() : impl_(new Impl) {}

MComputation::~MComputation() {
  endComputation();  // a computation left running would stay running forever
  delete impl_;
}

const char* MComputation::className() { return "MComputation"; }

void MComputation::beginComputation(bool, bool, bool) {
  if (impl_->running) return;
  impl_->running = true;
  impl_->progress = impl_->minValue;
  if (gDepth.fetch_add(1) == 0) gComputationPolls = 0;
}

bool MComputation::isInterruptRequested() {
  if (!impl_->running) return false;
  ++gComputationPolls;
  const long poll = ++gTotalPolls;
  return scheduleReports(poll) || gSignalled.load() || mayasim::host().interruptRequested();
}

void MComputation::endComputation() {
  if (!impl_->running) return;
  impl_->running = false;
  if (gDepth.fetch_sub(1) != 1) return;  // an outer computation still runs
  if (gSchedule.armed && gTotalPolls >= gSchedule.firstPoll) gSchedule = Schedule{};
  gSignalled = false;
  mayasim::host().clearInterrupt();
}

MStatus MComputation::setProgressRange(const int minValue, const int maxValue) {
  if (minValue > maxValue) return MS::kInvalidParameter;
  impl_->minValue = minValue;
  impl_->maxValue = maxValue;
  impl_->progress = std::clamp(impl_->progress, minValue, maxValue);
  return MS::kSuccess;
}

MStatus MComputation::setProgress(const int amount) {
  impl_->progress = std::clamp(amount, impl_->minValue, impl_->maxValue);
  return MS::kSuccess;
}

int MComputation::progress(MStatus* ReturnStatus) const {
  if (ReturnStatus) *ReturnStatus = MS::kSuccess;
  return impl_->progress;
}

MStatus MComputation::setProgressStatus(const MString& status) {
  impl_->status = status.asChar();
  return MS::kSuccess;
}
