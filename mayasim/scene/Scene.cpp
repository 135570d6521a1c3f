// Scene: types, node lifetime, and replaying undo records.
#include "scene/Scene.h"

#include <algorithm>

#include "scene/BuiltinTypes.h"
#include "scene/Naming.h"
#include "scene/SceneChanges.h"

namespace scene {

Scene::Scene() : undo_(*this) {
  nodes_.emplace_back();  // id 0 is "no node"
  idTypes_.push_back(nullptr);
  registerBuiltinTypes(*this);
}

Scene::~Scene() {
  undo_.flush();
  for (auto& n : nodes_) {
    if (n && n->type_->onDestroy()) n->type_->onDestroy()(*this, n->id_);
  }
}

// ------------------------------------------------------------------ types

const NodeType& Scene::registerType(NodeTypeDecl decl) {
  if (decl.name.empty()) throw Error("A node type needs a name.");
  if (types_.count(decl.name)) throw Error("Node type '" + decl.name + "' is already registered.");
  const NodeType* parent = nullptr;
  if (!decl.parentName.empty()) {
    parent = findType(decl.parentName);
    if (!parent) throw Error("Unknown parent node type '" + decl.parentName + "'.");
  }
  std::string name = decl.name;
  auto type = NodeType::build(std::move(decl), parent);
  const NodeType& ref = *type;
  types_.emplace(name, std::move(type));
  return ref;
}

bool Scene::unregisterType(const std::string& name) {
  auto it = types_.find(name);
  if (it == types_.end()) return false;
  const NodeType* t = it->second.get();
  for (const auto& [otherName, other] : types_) {
    if (other->parent() == t) return false;
  }
  if (hasNodesOfType(name) || undoReferencesType(name)) return false;
  std::replace(idTypes_.begin(), idTypes_.end(), t, static_cast<const NodeType*>(nullptr));
  typeCounts_.erase(t);
  types_.erase(it);
  return true;
}

const NodeType* Scene::findType(std::string_view name) const {
  auto it = types_.find(std::string(name));
  return it == types_.end() ? nullptr : it->second.get();
}

std::vector<std::string> Scene::typeNames() const {
  std::vector<std::string> out;
  for (const auto& kv : types_) out.push_back(kv.first);
  std::sort(out.begin(), out.end());
  return out;
}

bool Scene::hasNodesOfType(const std::string& name) const {
  const NodeType* t = findType(name);
  if (!t) return false;
  auto it = typeCounts_.find(t);
  return it != typeCounts_.end() && it->second > 0;
}

bool Scene::undoReferencesType(const std::string& name) const {
  const NodeType* t = findType(name);
  if (!t) return false;
  bool found = false;
  undo_.forEachChange([&](const Change& c) {
    if (c.kind != Change::Kind::CreateNode && c.kind != Change::Kind::DeleteNode) return;
    if (typeOf(c.node) == t) found = true;
  });
  return found;
}

// ------------------------------------------------------------------ nodes

Node* Scene::node(NodeId id) {
  return id < nodes_.size() ? nodes_[static_cast<std::size_t>(id)].get() : nullptr;
}

const Node* Scene::node(NodeId id) const {
  return id < nodes_.size() ? nodes_[static_cast<std::size_t>(id)].get() : nullptr;
}

Node& Scene::live(NodeId id) {
  Node* n = node(id);
  if (!n) throw Error("No node with id " + std::to_string(id) + ".");
  return *n;
}

std::vector<NodeId> Scene::allNodes() const {
  std::vector<NodeId> out;
  out.reserve(liveCount_);
  for (const auto& n : nodes_) {
    if (n) out.push_back(n->id_);
  }
  return out;
}

const NodeType& Scene::creatableType(const std::string& typeName) const {
  const NodeType* t = findType(typeName);
  if (!t) throw Error("Unknown object type: " + typeName);
  if (t->isAbstract()) throw Error("Cannot create a node of abstract type: " + typeName);
  return *t;
}

NodeId Scene::reserveId(const std::string& typeName) {
  const NodeType& t = creatableType(typeName);
  NodeId id = takeId(kNoNode);
  idTypes_[static_cast<std::size_t>(id)] = &t;
  return id;
}

const NodeType* Scene::typeOf(NodeId id) const {
  return id < idTypes_.size() ? idTypes_[static_cast<std::size_t>(id)] : nullptr;
}

NodeId Scene::takeId(NodeId requested) {
  if (requested == kNoNode) {
    nodes_.emplace_back();
    idTypes_.push_back(nullptr);
    return static_cast<NodeId>(nodes_.size() - 1);
  }
  if (requested >= nodes_.size())
    throw Error("Node id " + std::to_string(requested) + " was never handed out.");
  if (nodes_[static_cast<std::size_t>(requested)]) {
    throw Error("Node id " + std::to_string(requested) + " is in use.");
  }
  return requested;
}

NodeId Scene::createNode(const std::string& typeName, const std::string& name, NodeId parent,
                         NodeId id) {
  const NodeType& type = creatableType(typeName);
  if (id != kNoNode) {
    if (id >= nodes_.size())
      throw Error("Node id " + std::to_string(id) + " was never handed out.");
    const NodeType* known = typeOf(id);
    if (known && known != &type) {
      throw Error("Node id " + std::to_string(id) + " belongs to a node of type " + known->name() +
                  ".");
    }
  }
  if (parent != kNoNode) {
    const Node* p = node(parent);
    if (!p) throw Error("No node with id " + std::to_string(parent) + ".");
    if (!type.isDag()) throw Error("A " + typeName + " node cannot have a DAG parent.");
    if (!p->type().isDag() || p->type().isShape()) {
      throw Error("'" + p->name() + "' cannot be the parent of a DAG node.");
    }
  }
  // Work out the name before taking the id, so a refusal changes nothing.
  std::string finalName;
  if (name.empty()) {
    finalName = uniqueName({}, typeName);
  } else {
    std::string wanted = legalName(name);
    if (wanted.empty()) throw Error("New name has no legitimate characters.");
    bool clash = wanted.back() == '#';
    for (NodeId other : nodesNamed(wanted)) {
      // A DAG node only needs a name its siblings (and no dependency node) use.
      const Node* o = node(other);
      if (!type.isDag() || !o->type().isDag() || o->parent_ == parent) clash = true;
    }
    finalName = clash ? uniqueName(wanted) : wanted;
  }
  NodeId nid = takeId(id);
  idTypes_[static_cast<std::size_t>(nid)] = &type;
  insertNode(nid, type, finalName, parent, -1);
  Change c;
  c.kind = Change::Kind::CreateNode;
  c.node = nid;
  undo_.record(std::move(c));
  return nid;
}

Node& Scene::insertNode(NodeId id, const NodeType& type, const std::string& name, NodeId parent,
                        int position) {
  auto owned = std::make_unique<Node>();
  Node& n = *owned;
  n.id_ = id;
  n.type_ = &type;
  n.name_ = name;
  n.values_.assign(static_cast<std::size_t>(type.slotCount()), 0.0);
  n.flags_.assign(type.attrs().size(), 0);
  for (const AttrDecl& a : type.attrs()) {
    if (a.slotCount == 1) n.values_[static_cast<std::size_t>(a.slot)] = a.defaultValue;
    if (type.isAffected(a.index)) n.flags_[static_cast<std::size_t>(a.index)] = Node::kDirty;
  }
  nodes_[static_cast<std::size_t>(id)] = std::move(owned);
  ++liveCount_;
  ++typeCounts_[&type];
  indexName(n);
  if (parent != kNoNode) attachChild(n, parent, position);
  if (type.onCreate()) type.onCreate()(*this, id);
  return n;
}

void Scene::removeNode(NodeId id) {
  Node* n = node(id);
  if (!n) return;
  if (n->type_->onDestroy()) n->type_->onDestroy()(*this, id);
  n->userData.reset();
  // Normally empty by now (callers break links and remove children first).
  while (!n->links_.empty()) {
    Link l = n->links_.back();
    if (l.incoming) {
      removeLink(l.other, Plug{id, l.attr});
    } else {
      removeLink(Plug{id, l.attr}, l.other);
    }
  }
  for (NodeId c : std::vector<NodeId>(n->children_)) {
    if (Node* child = node(c)) detachChild(*child);
  }
  detachChild(*n);
  if (selected_.count(id)) {
    selected_.erase(id);
    selection_.erase(std::remove(selection_.begin(), selection_.end(), id), selection_.end());
  }
  unindexName(*n);
  --liveCount_;
  --typeCounts_[n->type_];
  nodes_[static_cast<std::size_t>(id)].reset();
}

void Scene::deleteNode(NodeId id) {
  live(id);
  // The node and its DAG descendants, deepest first.
  std::vector<NodeId> doomed;
  std::vector<NodeId> stack{id};
  while (!stack.empty()) {
    NodeId cur = stack.back();
    stack.pop_back();
    doomed.push_back(cur);
    for (NodeId c : node(cur)->children_) stack.push_back(c);
  }
  std::reverse(doomed.begin(), doomed.end());

  std::vector<NodeId> keep;
  for (NodeId s : selection_) {
    if (std::find(doomed.begin(), doomed.end(), s) == doomed.end()) keep.push_back(s);
  }
  if (keep.size() != selection_.size()) select(keep, SelectMode::Replace);

  for (NodeId d : doomed) {
    Node& n = *node(d);
    while (!n.links_.empty()) {
      Link l = n.links_.back();
      if (l.incoming) {
        disconnect(l.other, Plug{d, l.attr});
      } else {
        disconnect(Plug{d, l.attr}, l.other);
      }
    }
  }
  for (NodeId d : doomed) {
    Change c;
    c.kind = Change::Kind::DeleteNode;
    c.node = d;
    if (undo_.recording()) c.data = snapshot(*node(d));
    removeNode(d);
    undo_.record(std::move(c));
  }
}

std::shared_ptr<Scene::Snapshot> Scene::snapshot(const Node& n) const {
  auto s = std::make_shared<Snapshot>();
  s->id = n.id_;
  s->type = n.type_;
  s->name = n.name_;
  s->parent = n.parent_;
  if (n.parent_ != kNoNode) {
    const auto& siblings = node(n.parent_)->children_;
    s->position =
        static_cast<int>(std::find(siblings.begin(), siblings.end(), n.id_) - siblings.begin());
  }
  s->values = n.values_;
  s->flags = n.flags_;
  s->strings = n.strings_;
  return s;
}

void Scene::restore(const Snapshot& s) {
  if (node(s.id) || !s.type) return;
  std::string name = s.name;
  if (nameTaken(name)) name = uniqueName(name);
  NodeId parent = node(s.parent) ? s.parent : kNoNode;
  Node& n = insertNode(s.id, *s.type, name, parent, s.position);
  n.values_ = s.values;
  n.flags_ = s.flags;
  n.strings_ = s.strings;
}

void Scene::clear() {
  undo_.flush();
  for (auto& n : nodes_) {
    if (!n) continue;
    if (n->type_->onDestroy()) n->type_->onDestroy()(*this, n->id_);
    n.reset();
  }
  names_.clear();
  nextNumber_.clear();
  typeCounts_.clear();
  selection_.clear();
  selected_.clear();
  liveCount_ = 0;
}

// ------------------------------------------------------------- replaying

void Scene::revert(Change& c) { replay(c, Side::kBefore); }
void Scene::reapply(Change& c) { replay(c, Side::kAfter); }

// Undo and redo are one walk: undo puts back a change's "before" side and
// redo its "after" side. A creation undone is a deletion redone, and a
// connection undone a disconnection redone.
void Scene::replay(Change& c, Side side) {
  const bool after = side == Side::kAfter;
  using Kind = Change::Kind;
  switch (c.kind) {
    case Kind::CreateNode:
    case Kind::DeleteNode:
      if ((c.kind == Kind::CreateNode) == after) {
        if (c.data) restore(static_cast<const Snapshot&>(*c.data));
      } else if (const Node* n = node(c.node)) {
        c.data = snapshot(*n);
        removeNode(c.node);
      }
      break;
    case Kind::SetValue:
      if (Node* n = node(c.node)) {
        setSlot(*n, n->type_->attr(c.attr), 0, after ? c.after : c.before);
        propagateDirty(Plug{c.node, c.attr});
      }
      break;
    case Kind::SetString:
      if (Node* n = node(c.node)) {
        const auto& d = static_cast<const StringData&>(*c.data);
        storeString(*n, c.attr, after ? d.after : d.before);
        propagateDirty(Plug{c.node, c.attr});
      }
      break;
    case Kind::Lock:
      if (Node* n = node(c.node)) {
        auto& f = n->flags_[static_cast<std::size_t>(c.attr)];
        const bool locked = (after ? c.after : c.before) != 0;
        f = static_cast<std::uint8_t>(locked ? (f | Node::kLocked) : (f & ~Node::kLocked));
      }
      break;
    case Kind::Connect:
    case Kind::Disconnect:
      if ((c.kind == Kind::Connect) == after) {
        if (node(c.node) && node(c.other)) {
          addLink(Plug{c.node, c.attr}, Plug{c.other, c.otherAttr});
          propagateDirty(Plug{c.node, c.attr});
        }
      } else {
        removeLink(Plug{c.node, c.attr}, Plug{c.other, c.otherAttr});
      }
      break;
    case Kind::Rename:
      if (Node* n = node(c.node)) {
        const auto& d = static_cast<const RenameData&>(*c.data);
        changeName(*n, after ? d.after : d.before);
      }
      break;
    case Kind::Reparent:
      if (Node* n = node(c.node)) {
        const auto& d = static_cast<const ReparentData&>(*c.data);
        const NodeId parent = after ? d.after : d.before;
        detachChild(*n);
        if (parent != kNoNode && node(parent))
          attachChild(*n, parent, after ? -1 : d.beforePosition);
      }
      break;
    case Kind::Select: {
      const auto& d = static_cast<const SelectData&>(*c.data);
      setSelection(after ? d.after : d.before);
      break;
    }
    case Kind::Custom:
      break;
  }
}

}  // namespace scene
