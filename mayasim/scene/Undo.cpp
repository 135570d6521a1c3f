#include "scene/Undo.h"

#include <exception>
#include <utility>

namespace scene {

namespace {

struct CustomData : ChangeData {
  UndoQueue::Fn undo;
  UndoQueue::Fn redo;
};

// Replays one change; a custom step runs its own function. A failing replay
// must not stop the rest of the step.
void play(ChangeReplayer& replayer, Change& c, bool backwards) {
  try {
    if (c.kind == Change::Kind::Custom) {
      auto* d = static_cast<CustomData*>(c.data.get());
      if (d) {
        const UndoQueue::Fn& fn = backwards ? d->undo : d->redo;
        if (fn) fn();
      }
    } else if (backwards) {
      replayer.revert(c);
    } else {
      replayer.reapply(c);
    }
  } catch (const std::exception&) {
    // Nothing sensible to do half-way through a step; carry on.
  }
}

}  // namespace

UndoQueue::UndoQueue(ChangeReplayer& replayer) : replayer_(replayer) {}

void UndoQueue::resume() {
  if (suspended_ > 0) --suspended_;
}

void UndoQueue::openChunk(const std::string& label) {
  if (depth_++ == 0) {
    open_ = Step{label, {}};
  } else if (open_.label.empty()) {
    open_.label = label;
  }
}

void UndoQueue::closeChunk() {
  if (depth_ == 0) return;
  if (--depth_ == 0) commitOpen();
}

void UndoQueue::commitOpen() {
  if (!open_.changes.empty()) {
    open_.changes.shrink_to_fit();
    appendStep(std::move(open_));
  }
  open_ = Step{};
}

void UndoQueue::appendStep(Step step) {
  steps_.resize(done_);  // a new step forgets what could be redone
  steps_.push_back(std::move(step));
  done_ = steps_.size();
  trim();
}

void UndoQueue::trim() {
  if (infinite_) return;
  while (steps_.size() > length_) {
    steps_.pop_front();
    if (done_ > 0) --done_;
  }
}

void UndoQueue::setLength(std::size_t steps) {
  length_ = steps;
  trim();
}

void UndoQueue::setInfinite(bool on) {
  infinite_ = on;
  trim();
}

void UndoQueue::record(Change change) {
  if (!recording()) return;
  open_.changes.push_back(std::move(change));
}

bool UndoQueue::push(const std::string& label, Fn undo, Fn redo) {
  if (!enabled_ || suspended_ > 0) return false;
  auto data = std::make_shared<CustomData>();
  data->undo = std::move(undo);
  data->redo = std::move(redo);
  Change c;
  c.kind = Change::Kind::Custom;
  c.data = std::move(data);
  if (depth_ > 0) {
    if (open_.label.empty()) open_.label = label;
    open_.changes.push_back(std::move(c));
    return true;
  }
  Step s{label, {}};
  s.changes.push_back(std::move(c));
  appendStep(std::move(s));
  return true;
}

std::size_t UndoQueue::mark() const { return open_.changes.size(); }

void UndoQueue::rollback(std::size_t mark) {
  if (mark >= open_.changes.size()) return;
  suspend();
  for (std::size_t i = open_.changes.size(); i-- > mark;) play(replayer_, open_.changes[i], true);
  resume();
  open_.changes.resize(mark);
}

std::optional<std::string> UndoQueue::undo() {
  if (depth_ > 0 && !open_.changes.empty()) {
    std::string label = open_.label;
    commitOpen();
    open_.label = std::move(label);
  }
  if (done_ == 0) return std::nullopt;
  Step& s = steps_[--done_];
  std::string label = s.label;
  suspend();
  for (std::size_t i = s.changes.size(); i-- > 0;) play(replayer_, s.changes[i], true);
  resume();
  return label;
}

std::optional<std::string> UndoQueue::redo() {
  if (done_ >= steps_.size()) return std::nullopt;
  Step& s = steps_[done_++];
  std::string label = s.label;
  suspend();
  for (Change& c : s.changes) play(replayer_, c, false);
  resume();
  return label;
}

void UndoQueue::flush() {
  steps_.clear();
  done_ = 0;
  open_.changes.clear();
}

std::string UndoQueue::undoLabel() const { return done_ > 0 ? steps_[done_ - 1].label : ""; }

std::string UndoQueue::redoLabel() const {
  return done_ < steps_.size() ? steps_[done_].label : "";
}

void UndoQueue::forEachChange(const std::function<void(const Change&)>& fn) const {
  for (const Step& s : steps_) {
    for (const Change& c : s.changes) fn(c);
  }
  for (const Change& c : open_.changes) fn(c);
}

ChunkScope::ChunkScope(UndoQueue& queue, const std::string& label)
    : queue_(queue), uncaught_(std::uncaught_exceptions()) {
  queue_.openChunk(label);
  mark_ = queue_.mark();
}

ChunkScope::~ChunkScope() {
  if (cancelled_ || std::uncaught_exceptions() > uncaught_) queue_.rollback(mark_);
  queue_.closeChunk();
}

}  // namespace scene
