#include "scene/NameIndex.h"

#include <algorithm>
#include <functional>
#include <limits>

#include "scene/Error.h"

namespace scene {

namespace {

constexpr std::size_t kFirstSize = 64;

}  // namespace

std::uint32_t NameIndex::hashOf(std::string_view name) {
  const std::uint64_t h = std::hash<std::string_view>{}(name);
  return static_cast<std::uint32_t>(h ^ (h >> 32));
}

bool NameIndex::holds(const Slot& s, std::uint32_t hash, std::string_view name) const {
  return s.hash == hash && s.id < nodes_.size() && nodes_[s.id] && nodes_[s.id]->name() == name;
}

void NameIndex::insert(NodeId id, std::string_view name) {
  // A scene with four billion ids would need a node table far beyond any
  // memory; the check keeps a truncated id from ever standing in the table.
  if (id == kNoNode || id > std::numeric_limits<std::uint32_t>::max())
    throw Error("A node id is out of the name index's range.");
  if ((used_ + 1) * 4 > slots_.size() * 3) grow();
  const std::uint32_t hash = hashOf(name);
  std::size_t i = home(hash);
  while (slots_[i].id != 0) i = next(i);
  slots_[i] = Slot{hash, static_cast<std::uint32_t>(id)};
  ++used_;
}

void NameIndex::erase(NodeId id, std::string_view name) {
  if (slots_.empty()) return;
  const std::uint32_t hash = hashOf(name);
  std::size_t i = home(hash);
  for (; slots_[i].id != 0; i = next(i)) {
    if (slots_[i].id == id && slots_[i].hash == hash) break;
  }
  if (slots_[i].id == 0) return;
  --used_;
  // Close the gap: pull back every later slot of the run that may stand at
  // the hole, so that no lookup meets an empty slot before its entry.
  for (std::size_t j = next(i);; j = next(j)) {
    if (slots_[j].id == 0) break;
    const std::size_t want = home(slots_[j].hash);
    const bool canMove = i <= j ? (want <= i || want > j) : (want <= i && want > j);
    if (canMove) {
      slots_[i] = slots_[j];
      i = j;
    }
  }
  slots_[i] = Slot{};
}

void NameIndex::clear() {
  std::fill(slots_.begin(), slots_.end(), Slot{});
  used_ = 0;
}

template <class Visit>
void NameIndex::forEachHolder(std::string_view name, Visit visit) const {
  if (slots_.empty()) return;
  const std::uint32_t hash = hashOf(name);
  for (std::size_t i = home(hash); slots_[i].id != 0; i = next(i)) {
    if (holds(slots_[i], hash, name) && !visit(NodeId{slots_[i].id})) return;
  }
}

bool NameIndex::contains(std::string_view name) const {
  bool found = false;
  forEachHolder(name, [&](NodeId) {
    found = true;
    return false;  // one is enough
  });
  return found;
}

std::size_t NameIndex::count(std::string_view name) const {
  std::size_t n = 0;
  forEachHolder(name, [&](NodeId) {
    ++n;
    return true;
  });
  return n;
}

std::vector<NodeId> NameIndex::find(std::string_view name) const {
  std::vector<NodeId> out;
  forEachHolder(name, [&](NodeId id) {
    out.push_back(id);
    return true;
  });
  return out;
}

void NameIndex::grow() {
  std::vector<Slot> old(slots_.empty() ? kFirstSize : slots_.size() * 2);
  old.swap(slots_);
  for (const Slot& s : old) {
    if (s.id == 0) continue;
    std::size_t i = home(s.hash);
    while (slots_[i].id != 0) i = next(i);
    slots_[i] = s;
  }
}

}  // namespace scene
