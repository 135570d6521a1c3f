// One node in the scene. Read-only to everyone but the Scene, except the
// userData slot that belongs to whoever made the node's type (the API layer
// keeps a plug-in's node object there).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "scene/NodeType.h"
#include "scene/Types.h"

namespace scene {

// One end of a connection as seen from a node: its own attribute and the plug
// at the other end. `incoming` is true when the other plug is the source.
struct Link {
  int attr = -1;
  Plug other;
  bool incoming = false;
};

class Node {
 public:
  NodeId id() const { return id_; }
  const NodeType& type() const { return *type_; }
  const std::string& name() const { return name_; }  // short name
  NodeId parent() const { return parent_; }          // DAG parent; kNoNode at world level
  const std::vector<NodeId>& children() const { return children_; }  // DAG children, in order
  const std::vector<Link>& links() const { return links_; }

  // Free for the type's owner; kept while the node exists, reset when it is
  // removed (onDestroy runs first).
  std::shared_ptr<void> userData;

 private:
  friend class Scene;

  enum Flag : std::uint8_t { kDirty = 1, kLocked = 2 };

  NodeId id_ = kNoNode;
  const NodeType* type_ = nullptr;
  std::string name_;
  NodeId parent_ = kNoNode;
  std::vector<NodeId> children_;
  std::vector<double> values_;       // NodeType::slotCount() numbers
  std::vector<std::uint8_t> flags_;  // one per attribute
  std::vector<Link> links_;
  std::vector<std::pair<int, std::string>> strings_;  // String attributes that were set
};

}  // namespace scene
