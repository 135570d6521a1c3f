// Scene: plugs, values, and push-dirty / pull-compute evaluation.
#include <algorithm>
#include <climits>
#include <cmath>
#include <unordered_set>

#include "scene/Scene.h"
#include "scene/SceneChanges.h"

namespace scene {

namespace {

constexpr int kMaxEvalDepth = 256;  // guards against connection cycles

double conform(const AttrDecl& a, double v) {
  if (a.min && v < *a.min) v = *a.min;
  if (a.max && v > *a.max) v = *a.max;
  if (a.type == AttrType::Bool) return v != 0 ? 1 : 0;
  if (a.type == AttrType::Long) {
    v = std::round(v);
    return std::clamp(v, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX));
  }
  return v;
}

}  // namespace

// ------------------------------------------------------------------ plugs

const AttrDecl* Scene::decl(const Plug& p) const {
  const Node* n = node(p.node);
  if (!n || p.attr < 0 || static_cast<std::size_t>(p.attr) >= n->type_->attrs().size()) {
    return nullptr;
  }
  return &n->type_->attr(p.attr);
}

Plug Scene::plug(NodeId id, std::string_view attrName) const {
  const Node* n = node(id);
  if (!n) return {};
  int index = n->type_->findAttr(attrName);
  return index < 0 ? Plug{} : Plug{id, index};
}

Plug Scene::resolvePlug(std::string_view text) const {
  std::size_t dot = text.find('.');
  if (dot == std::string_view::npos) return {};
  NodeId id = resolve(text.substr(0, dot));
  if (id == kNoNode) return {};
  std::string_view rest = text.substr(dot + 1);
  std::size_t inner = rest.find('.');
  if (inner == std::string_view::npos) return plug(id, rest);
  // "parent.child" form.
  Plug parent = plug(id, rest.substr(0, inner));
  Plug child = plug(id, rest.substr(inner + 1));
  if (parent.isNull() || child.isNull() || decl(child)->parent != parent.attr) return {};
  return child;
}

std::string Scene::plugName(const Plug& p) const {
  const AttrDecl* a = decl(p);
  return a ? partialPath(p.node) + "." + a->longName : std::string();
}

Plug Scene::parentPlug(const Plug& p) const {
  const AttrDecl* a = decl(p);
  return (a && a->parent >= 0) ? Plug{p.node, a->parent} : Plug{};
}

std::vector<Plug> Scene::childPlugs(const Plug& p) const {
  std::vector<Plug> out;
  if (const AttrDecl* a = decl(p)) {
    for (int c : a->children) out.push_back(Plug{p.node, c});
  }
  return out;
}

// ---------------------------------------------------------------- storage

void Scene::setSlot(Node& n, const AttrDecl& a, int offset, double v) {
  if (a.slot < 0) return;
  n.values_[static_cast<std::size_t>(a.slot + offset)] = v;
}

void Scene::storeString(Node& n, int attr, const std::string& v) {
  for (auto& [index, text] : n.strings_) {
    if (index == attr) {
      text = v;
      return;
    }
  }
  n.strings_.emplace_back(attr, v);
}

const std::string* Scene::storedString(const Node& n, int attr) const {
  for (const auto& [index, text] : n.strings_) {
    if (index == attr) return &text;
  }
  return nullptr;
}

// ----------------------------------------------------------------- getters

double Scene::getDouble(const Plug& p) {
  evaluate(p, 0);
  const AttrDecl* a = decl(p);
  if (!a || a->slotCount != 1) return 0;
  return node(p.node)->values_[static_cast<std::size_t>(a->slot)];
}

std::vector<double> Scene::getNumbers(const Plug& p) {
  const AttrDecl* a = decl(p);
  if (!a) return {};
  if (a->isCompound()) {
    std::vector<double> out;
    out.reserve(a->children.size());
    for (int c : a->children) out.push_back(getDouble(Plug{p.node, c}));
    return out;
  }
  if (a->slotCount != 1) return {};
  return {getDouble(p)};
}

std::string Scene::getString(const Plug& p) {
  evaluate(p, 0);
  const AttrDecl* a = decl(p);
  if (!a || a->type != AttrType::String) return {};
  const std::string* s = storedString(*node(p.node), p.attr);
  return s ? *s : a->defaultString;
}

MeshData Scene::getMesh(const Plug& p) {
  evaluate(p, 0);
  const AttrDecl* a = decl(p);
  if (!a || a->type != AttrType::Mesh) return {};
  const double* v = &node(p.node)->values_[static_cast<std::size_t>(a->slot)];
  MeshData m;
  m.valid = v[0] != 0;
  m.width = v[1];
  m.height = v[2];
  m.depth = v[3];
  return m;
}

// ----------------------------------------------------------------- setters

void Scene::checkSettable(const Plug& p) const {
  const AttrDecl* a = decl(p);
  if (!a) throw Error("No such attribute.");
  if (!a->writable) throw Error("The attribute '" + plugName(p) + "' is not writable.");
  const Node& n = *node(p.node);
  auto locked = [&](int attr) {
    return (n.flags_[static_cast<std::size_t>(attr)] & Node::kLocked) != 0;
  };
  bool blocked = locked(p.attr) || !inputOf(p).isNull() || (a->parent >= 0 && locked(a->parent));
  for (int c : a->children) blocked = blocked || locked(c) || !inputOf(Plug{p.node, c}).isNull();
  if (blocked) {
    throw Error("The attribute '" + plugName(p) +
                "' is locked or connected and cannot be modified.");
  }
}

void Scene::setDouble(const Plug& p, double v) {
  const AttrDecl* a = decl(p);
  if (!a) throw Error("No such attribute.");
  if (a->isCompound()) {
    setNumbers(p, {v});
    return;
  }
  if (a->slotCount != 1) {
    throw Error("The attribute '" + plugName(p) + "' does not hold a number.");
  }
  checkSettable(p);
  Node& n = *node(p.node);
  v = conform(*a, v);
  const double old = n.values_[static_cast<std::size_t>(a->slot)];
  setSlot(n, *a, 0, v);
  n.flags_[static_cast<std::size_t>(p.attr)] &= static_cast<std::uint8_t>(~Node::kDirty);
  if (old != v) {
    Change c;
    c.kind = Change::Kind::SetValue;
    c.node = p.node;
    c.attr = p.attr;
    c.before = old;
    c.after = v;
    undo_.record(std::move(c));
  }
  propagateDirty(p);
}

void Scene::setNumbers(const Plug& p, const std::vector<double>& values) {
  const AttrDecl* a = decl(p);
  if (!a) throw Error("No such attribute.");
  if (!a->isCompound()) {
    if (values.size() != 1) {
      throw Error("The attribute '" + plugName(p) + "' takes one value, not " +
                  std::to_string(values.size()) + ".");
    }
    setDouble(p, values[0]);
    return;
  }
  if (values.size() != a->children.size()) {
    throw Error("The attribute '" + plugName(p) + "' takes " + std::to_string(a->children.size()) +
                " values, not " + std::to_string(values.size()) + ".");
  }
  checkSettable(p);
  const std::vector<int> children = a->children;
  for (std::size_t i = 0; i < children.size(); ++i) setDouble(Plug{p.node, children[i]}, values[i]);
}

void Scene::setString(const Plug& p, const std::string& v) {
  const AttrDecl* a = decl(p);
  if (!a) throw Error("No such attribute.");
  if (a->type != AttrType::String) {
    throw Error("The attribute '" + plugName(p) + "' does not hold a string.");
  }
  checkSettable(p);
  Node& n = *node(p.node);
  const std::string* current = storedString(n, p.attr);
  auto data = std::make_shared<StringData>();
  data->before = current ? *current : a->defaultString;
  data->after = v;
  storeString(n, p.attr, v);
  n.flags_[static_cast<std::size_t>(p.attr)] &= static_cast<std::uint8_t>(~Node::kDirty);
  Change c;
  c.kind = Change::Kind::SetString;
  c.node = p.node;
  c.attr = p.attr;
  c.data = std::move(data);
  undo_.record(std::move(c));
  propagateDirty(p);
}

void Scene::setComputed(const Plug& p, double v) {
  const AttrDecl* a = decl(p);
  if (!a || a->slotCount != 1) return;
  Node& n = *node(p.node);
  setSlot(n, *a, 0, v);
  n.flags_[static_cast<std::size_t>(p.attr)] &= static_cast<std::uint8_t>(~Node::kDirty);
}

void Scene::setComputedMesh(const Plug& p, const MeshData& m) {
  const AttrDecl* a = decl(p);
  if (!a || a->type != AttrType::Mesh) return;
  Node& n = *node(p.node);
  setSlot(n, *a, 0, m.valid ? 1 : 0);
  setSlot(n, *a, 1, m.width);
  setSlot(n, *a, 2, m.height);
  setSlot(n, *a, 3, m.depth);
  n.flags_[static_cast<std::size_t>(p.attr)] &= static_cast<std::uint8_t>(~Node::kDirty);
}

void Scene::setComputedString(const Plug& p, const std::string& v) {
  const AttrDecl* a = decl(p);
  if (!a || a->type != AttrType::String) return;
  Node& n = *node(p.node);
  storeString(n, p.attr, v);
  n.flags_[static_cast<std::size_t>(p.attr)] &= static_cast<std::uint8_t>(~Node::kDirty);
}

bool Scene::isDirty(const Plug& p) const {
  if (!decl(p)) return false;
  return (node(p.node)->flags_[static_cast<std::size_t>(p.attr)] & Node::kDirty) != 0;
}

bool Scene::isLocked(const Plug& p) const {
  if (!decl(p)) return false;
  return (node(p.node)->flags_[static_cast<std::size_t>(p.attr)] & Node::kLocked) != 0;
}

void Scene::setLocked(const Plug& p, bool locked) {
  if (!decl(p)) throw Error("No such attribute.");
  if (isLocked(p) == locked) return;
  auto& f = node(p.node)->flags_[static_cast<std::size_t>(p.attr)];
  f = static_cast<std::uint8_t>(locked ? (f | Node::kLocked) : (f & ~Node::kLocked));
  Change c;
  c.kind = Change::Kind::Lock;
  c.node = p.node;
  c.attr = p.attr;
  c.before = locked ? 0 : 1;
  c.after = locked ? 1 : 0;
  undo_.record(std::move(c));
}

// -------------------------------------------------------------- evaluation

Plug Scene::inputOf(const Plug& dst) const {
  const Node* n = node(dst.node);
  if (!n) return {};
  for (const Link& l : n->links_) {
    if (l.incoming && l.attr == dst.attr) return l.other;
  }
  const AttrDecl* a = decl(dst);
  if (!a || a->parent < 0) return {};
  // A child of a connected compound reads the matching child of the source.
  for (const Link& l : n->links_) {
    if (!l.incoming || l.attr != a->parent) continue;
    const auto& mine = n->type_->attr(a->parent).children;
    const AttrDecl* srcDecl = decl(l.other);
    std::size_t i =
        static_cast<std::size_t>(std::find(mine.begin(), mine.end(), dst.attr) - mine.begin());
    if (srcDecl && i < srcDecl->children.size()) return Plug{l.other.node, srcDecl->children[i]};
  }
  return {};
}

void Scene::evaluate(const Plug& p, int depth) {
  const AttrDecl* a = decl(p);
  if (!a || depth > kMaxEvalDepth) return;
  if (a->isCompound()) {
    const std::vector<int> children = a->children;
    for (int c : children) evaluate(Plug{p.node, c}, depth + 1);
    node(p.node)->flags_[static_cast<std::size_t>(p.attr)] &=
        static_cast<std::uint8_t>(~Node::kDirty);
    return;
  }
  {
    auto& f = node(p.node)->flags_[static_cast<std::size_t>(p.attr)];
    if (!(f & Node::kDirty)) return;
    f &= static_cast<std::uint8_t>(~Node::kDirty);  // before computing: a cycle must end
  }
  Plug src = inputOf(p);
  if (!src.isNull()) {
    evaluate(src, depth + 1);
    const Node& from = *node(src.node);
    const AttrDecl& fromDecl = from.type_->attr(src.attr);
    Node& to = *node(p.node);
    if (a->type == AttrType::String) {
      const std::string* s = storedString(from, src.attr);
      storeString(to, p.attr, s ? *s : fromDecl.defaultString);
    } else {
      const int count = std::min(a->slotCount, fromDecl.slotCount);
      for (int i = 0; i < count; ++i) {
        setSlot(to, *a, i, from.values_[static_cast<std::size_t>(fromDecl.slot + i)]);
      }
    }
    return;
  }
  const NodeType& type = *node(p.node)->type_;
  if (!type.compute()) return;
  const ComputeFn compute = type.compute();  // the hook may outlive changes to the node
  if (!compute(*this, p.node, *a) && a->parent >= 0 && node(p.node)) {
    compute(*this, p.node, type.attr(a->parent));
  }
}

void Scene::dependents(const Plug& p, std::vector<Plug>& out) const {
  const Node* n = node(p.node);
  const AttrDecl* a = decl(p);
  if (!n || !a) return;
  const NodeType& type = *n->type_;
  auto withChildren = [&](const Plug& q) {
    out.push_back(q);
    if (const AttrDecl* s = decl(q)) {
      for (int c : s->children) out.push_back(Plug{q.node, c});
    }
  };
  auto affectsOf = [&](int attr) {
    for (int t : type.attr(attr).affects) withChildren(Plug{p.node, t});
  };
  auto outputsOf = [&](int attr) {
    for (const Link& l : n->links_) {
      if (!l.incoming && l.attr == attr) withChildren(l.other);
    }
  };
  affectsOf(p.attr);
  outputsOf(p.attr);
  if (a->parent >= 0) {
    affectsOf(a->parent);
    outputsOf(a->parent);
  }
  for (int c : a->children) outputsOf(c);
}

void Scene::propagateDirty(const Plug& p) {
  std::vector<Plug>& stack = dirtyStack_;  // kept between passes: most passes allocate nothing
  stack.clear();
  dependents(p, stack);
  if (stack.empty()) return;
  // The plugs this pass has reached: a short list while the pass is small,
  // a hash set once it grows.
  std::vector<Plug>& seenList = dirtySeen_;
  seenList.assign(1, p);
  std::unordered_set<Plug, PlugHash> seenSet;
  auto firstVisit = [&](const Plug& q) {
    if (!seenSet.empty()) return seenSet.insert(q).second;
    if (std::find(seenList.begin(), seenList.end(), q) != seenList.end()) return false;
    seenList.push_back(q);
    if (seenList.size() > kShortSeenList) seenSet.insert(seenList.begin(), seenList.end());
    return true;
  };
  while (!stack.empty()) {
    Plug q = stack.back();
    stack.pop_back();
    if (!firstVisit(q)) continue;
    Node* n = node(q.node);
    if (!n) continue;
    n->flags_[static_cast<std::size_t>(q.attr)] |= Node::kDirty;
    dependents(q, stack);
  }
}

}  // namespace scene
