// The scene's nodes by short name. Several nodes may share one (DAG nodes
// under different parents), so a name finds every node that holds it.
//
// One flat table of (hash, id) pairs, probed linearly: a lookup reads a few
// neighbouring slots and touches a node only when its hash matches, which
// keeps scenes of hundreds of thousands of nodes out of the cache-miss
// chains of a node-based map. The names themselves stay in the nodes.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "scene/Node.h"
#include "scene/Types.h"

namespace scene {

class NameIndex {
 public:
  // `nodes` is the scene's table of nodes by id; every id in the index must
  // stand there, holding the name it was indexed under.
  explicit NameIndex(const std::vector<std::unique_ptr<Node>>& nodes) : nodes_(nodes) {}

  void insert(NodeId id, std::string_view name);
  void erase(NodeId id, std::string_view name);  // no-op when not indexed under that name
  void clear();                                  // keeps the table's room for the next scene

  bool contains(std::string_view name) const;
  std::size_t count(std::string_view name) const;
  std::vector<NodeId> find(std::string_view name) const;  // in no particular order

 private:
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t id = 0;  // 0: empty (id 0 is never a node)
  };

  static std::uint32_t hashOf(std::string_view name);
  std::size_t home(std::uint32_t hash) const { return hash & (slots_.size() - 1); }
  std::size_t next(std::size_t i) const { return (i + 1) & (slots_.size() - 1); }
  bool holds(const Slot& s, std::uint32_t hash, std::string_view name) const;
  // Calls visit(id) for each node holding `name` until it returns false.
  template <class Visit>
  void forEachHolder(std::string_view name, Visit visit) const;
  void grow();

  const std::vector<std::unique_ptr<Node>>& nodes_;
  std::vector<Slot> slots_;  // empty, or a power of two long
  std::size_t used_ = 0;
};

}  // namespace scene
