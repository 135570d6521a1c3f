// The undo queue: a list of chunks, each the changes one undoable step made.
// The Scene records the inverse-able description of every mutation (a
// Change) into the open chunk; undo replays a chunk backwards, redo forwards.
// A plug-in command's step is a chunk with its own undo/redo functions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scene/Types.h"

namespace scene {

// Extra data of a change (snapshots, names, selection lists, functions).
struct ChangeData {
  virtual ~ChangeData() = default;
};

struct Change {
  enum class Kind : std::uint8_t {
    CreateNode,  // node came into the scene (data: snapshot, filled when undone)
    DeleteNode,  // node left the scene (data: snapshot)
    SetValue,    // one number slot of `attr` went from `before` to `after`
    SetString,   // data: old and new text
    Lock,        // lock flag of `attr` went from `before` to `after` (0/1)
    Connect,     // node.attr -> other.otherAttr was made
    Disconnect,  // node.attr -> other.otherAttr was broken
    Rename,      // data: old and new name
    Reparent,    // data: old and new parent and positions
    Select,      // data: selection before and after
    Custom,      // data: undo and redo functions
  };
  Kind kind = Kind::Custom;
  int attr = -1;
  int otherAttr = -1;
  NodeId node = kNoNode;
  NodeId other = kNoNode;
  double before = 0;
  double after = 0;
  std::shared_ptr<ChangeData> data;
};

// Whoever can play a Change back and forth (the Scene). Called with
// recording suspended.
class ChangeReplayer {
 public:
  virtual ~ChangeReplayer() = default;
  virtual void revert(Change& change) = 0;
  virtual void reapply(Change& change) = 0;
};

class UndoQueue {
 public:
  using Fn = std::function<void()>;

  explicit UndoQueue(ChangeReplayer& replayer);
  UndoQueue(const UndoQueue&) = delete;
  UndoQueue& operator=(const UndoQueue&) = delete;

  // undoInfo -state. While off nothing is recorded (the queue is kept).
  void setEnabled(bool on) { enabled_ = on; }
  bool enabled() const { return enabled_; }

  // Suspension nests (see SuspendScope); while suspended nothing is recorded.
  void suspend() { ++suspended_; }
  void resume();
  bool suspended() const { return suspended_ > 0; }

  // True when a change recorded now would be kept: enabled, not suspended,
  // and a chunk open.
  bool recording() const { return enabled_ && suspended_ == 0 && depth_ > 0; }

  // Chunks nest; everything up to the outermost close is one undo step.
  // The label of the step is the first non-empty label given while it is
  // open. On the outermost close a step with changes joins the queue (and
  // drops whatever could be redone); a step without changes is discarded.
  void openChunk(const std::string& label = {});
  void closeChunk();  // extra closes are ignored
  int depth() const { return depth_; }

  // Appends to the open chunk when recording(); dropped otherwise.
  void record(Change change);

  // Adds a step made of two functions (a plug-in command object's undoIt and
  // redoIt). Inside an open chunk it joins that chunk. Returns false, keeping
  // nothing, when undo is off or suspended.
  bool push(const std::string& label, Fn undo, Fn redo);

  // Changes in the open chunk so far, and dropping those made after a mark
  // (after reverting them): how a failed command leaves the scene as it was.
  std::size_t mark() const;
  void rollback(std::size_t mark);

  // Reverts the newest step / re-applies the newest undone one; returns its
  // label, or nothing when there is no such step. Changes left in an open
  // chunk are first closed into a step of their own.
  std::optional<std::string> undo();
  std::optional<std::string> redo();

  void flush();  // forgets every step (and the open chunk's changes)

  // undoInfo -length / -infinity: at most length() steps are kept, the
  // oldest dropped first, unless the queue is infinite. Maya's preferences
  // start with a finite queue of 50.
  static constexpr std::size_t kDefaultLength = 50;
  void setLength(std::size_t steps);
  std::size_t length() const { return length_; }
  void setInfinite(bool on);
  bool infinite() const { return infinite_; }

  std::size_t undoCount() const { return done_; }
  std::size_t redoCount() const { return steps_.size() - done_; }
  std::string undoLabel() const;  // label of the step undo() would revert, or ""
  std::string redoLabel() const;

  // Every change held (done, undone and open), for "is this type still referenced".
  void forEachChange(const std::function<void(const Change&)>& fn) const;

 private:
  struct Step {
    std::string label;
    std::vector<Change> changes;
  };
  void commitOpen();
  void appendStep(Step step);
  void trim();

  ChangeReplayer& replayer_;
  bool enabled_ = true;
  int suspended_ = 0;
  int depth_ = 0;
  Step open_;
  std::deque<Step> steps_;  // [0, done_) can be undone, [done_, end) redone
  std::size_t done_ = 0;
  std::size_t length_ = kDefaultLength;
  bool infinite_ = false;
};

// Opens a chunk for its lifetime. If the scope is left by an exception (or
// cancel() was called) the changes recorded inside it are reverted and
// dropped, so a failed command leaves the scene unchanged. Only recorded
// changes can be reverted: commands still validate before they mutate, for
// the times when undo is off or suspended.
class ChunkScope {
 public:
  ChunkScope(UndoQueue& queue, const std::string& label);
  ~ChunkScope();
  ChunkScope(const ChunkScope&) = delete;
  ChunkScope& operator=(const ChunkScope&) = delete;
  void cancel() { cancelled_ = true; }

 private:
  UndoQueue& queue_;
  std::size_t mark_;
  int uncaught_;
  bool cancelled_ = false;
};

// Turns recording off for its lifetime (MEL run with undo off, a plug-in
// command's doIt, undo/redo replays).
class SuspendScope {
 public:
  explicit SuspendScope(UndoQueue& queue) : queue_(queue) { queue_.suspend(); }
  ~SuspendScope() { queue_.resume(); }
  SuspendScope(const SuspendScope&) = delete;
  SuspendScope& operator=(const SuspendScope&) = delete;

 private:
  UndoQueue& queue_;
};

}  // namespace scene
