#include <maya/MComputation.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <algorithm>
#include <string>

#include "host/ComputationInterrupt.h"

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
  mayasim::computationStarted();
}

bool MComputation::isInterruptRequested() {
  if (!impl_->running) return false;
  return mayasim::pollInterrupt();
}

void MComputation::endComputation() {
  if (!impl_->running) return;
  impl_->running = false;
  mayasim::computationEnded();
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
