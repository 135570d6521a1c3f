// Scene: DAG parenting.
#include <algorithm>

#include "scene/Scene.h"
#include "scene/SceneChanges.h"

namespace scene {

NodeId Scene::parentOf(NodeId id) const {
  const Node* n = node(id);
  return n ? n->parent_ : kNoNode;
}

std::vector<NodeId> Scene::childrenOf(NodeId id) const {
  const Node* n = node(id);
  return n ? n->children_ : std::vector<NodeId>{};
}

std::vector<NodeId> Scene::worldNodes() const {
  std::vector<NodeId> out;
  for (const auto& n : nodes_) {
    if (n && n->type_->isDag() && n->parent_ == kNoNode) out.push_back(n->id_);
  }
  return out;
}

void Scene::attachChild(Node& child, NodeId parent, int position) {
  Node* p = node(parent);
  if (!p) return;
  auto& siblings = p->children_;
  if (position < 0 || static_cast<std::size_t>(position) > siblings.size()) {
    siblings.push_back(child.id_);
  } else {
    siblings.insert(siblings.begin() + position, child.id_);
  }
  child.parent_ = parent;
}

void Scene::detachChild(Node& child) {
  if (Node* p = node(child.parent_)) {
    auto& siblings = p->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), child.id_), siblings.end());
  }
  child.parent_ = kNoNode;
}

void Scene::setParent(NodeId id, NodeId newParent) {
  Node& n = live(id);
  if (!n.type_->isDag()) throw Error("'" + n.name_ + "' is not a DAG node and cannot be parented.");
  if (newParent != kNoNode) {
    const Node& p = live(newParent);
    if (!p.type_->isDag() || p.type_->isShape()) {
      throw Error("'" + p.name_ + "' cannot be the parent of a DAG node.");
    }
    for (const Node* up = &p; up != nullptr; up = node(up->parent_)) {
      if (up->id_ == id) {
        throw Error("Cannot parent '" + n.name_ + "' under itself or one of its descendants.");
      }
    }
  }
  if (n.parent_ == newParent) return;

  // Siblings must not share a name.
  for (NodeId other : nodesNamed(n.name_)) {
    const Node* o = node(other);
    if (other != id && o->type_->isDag() && o->parent_ == newParent) {
      rename(id, uniqueName(n.name_));
      break;
    }
  }
  auto data = std::make_shared<ReparentData>();
  data->before = n.parent_;
  data->after = newParent;
  if (const Node* old = node(n.parent_)) {
    const auto& siblings = old->children_;
    data->beforePosition =
        static_cast<int>(std::find(siblings.begin(), siblings.end(), id) - siblings.begin());
  }
  detachChild(n);
  if (newParent != kNoNode) attachChild(n, newParent, -1);
  Change c;
  c.kind = Change::Kind::Reparent;
  c.node = id;
  c.data = std::move(data);
  undo_.record(std::move(c));
}

}  // namespace scene
