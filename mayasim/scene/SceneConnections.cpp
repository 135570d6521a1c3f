// Scene: connections between plugs.
#include <algorithm>

#include "scene/Scene.h"
#include "scene/SceneChanges.h"

namespace scene {

namespace {

bool compatible(AttrType from, AttrType to) {
  if (isNumeric(from)) return isNumeric(to);
  return from == to;
}

}  // namespace

void Scene::addLink(const Plug& src, const Plug& dst) {
  Node* s = node(src.node);
  Node* d = node(dst.node);
  if (!s || !d) return;
  s->links_.push_back(Link{src.attr, dst, false});
  d->links_.push_back(Link{dst.attr, src, true});
  // The destination (and, for a compound, each child) now reads the source.
  d->flags_[static_cast<std::size_t>(dst.attr)] |= Node::kDirty;
  for (int c : d->type_->attr(dst.attr).children)
    d->flags_[static_cast<std::size_t>(c)] |= Node::kDirty;
}

void Scene::removeLink(const Plug& src, const Plug& dst) {
  auto drop = [](Node* n, int attr, const Plug& other, bool incoming) {
    if (!n) return;
    auto& links = n->links_;
    auto it = std::find_if(links.begin(), links.end(), [&](const Link& l) {
      return l.attr == attr && l.other == other && l.incoming == incoming;
    });
    if (it != links.end()) links.erase(it);
  };
  drop(node(src.node), src.attr, dst, false);
  drop(node(dst.node), dst.attr, src, true);
}

Plug Scene::source(const Plug& dst) const {
  const Node* n = node(dst.node);
  if (!n) return {};
  for (const Link& l : n->links_) {
    if (l.incoming && l.attr == dst.attr) return l.other;
  }
  return {};
}

std::vector<Plug> Scene::destinations(const Plug& src) const {
  std::vector<Plug> out;
  if (const Node* n = node(src.node)) {
    for (const Link& l : n->links_) {
      if (!l.incoming && l.attr == src.attr) out.push_back(l.other);
    }
  }
  return out;
}

bool Scene::isConnected(const Plug& src, const Plug& dst) const {
  return !dst.isNull() && source(dst) == src && !src.isNull();
}

bool Scene::hasConnections(const Plug& p) const {
  const Node* n = node(p.node);
  if (!n) return false;
  return std::any_of(n->links_.begin(), n->links_.end(),
                     [&](const Link& l) { return l.attr == p.attr; });
}

bool Scene::connect(const Plug& src, const Plug& dst, bool force) {
  const AttrDecl* sa = decl(src);
  const AttrDecl* da = decl(dst);
  if (!sa) throw Error("The source attribute cannot be found.");
  if (!da) throw Error("The destination attribute cannot be found.");
  if (src == dst || !sa->readable || !sa->connectable || !da->writable || !da->connectable ||
      !compatible(sa->type, da->type)) {
    throw Error("The attribute '" + plugName(src) + "' cannot be connected to '" + plugName(dst) +
                "'.");
  }
  if (isConnected(src, dst)) return false;
  if (isLocked(dst)) throw Error("The destination attribute '" + plugName(dst) + "' is locked.");

  // Inputs in the way: on dst itself, on its compound parent, on its children.
  std::vector<std::pair<Plug, Plug>> inTheWay;
  auto collect = [&](const Plug& p) {
    Plug from = source(p);
    if (!from.isNull()) inTheWay.emplace_back(from, p);
  };
  collect(dst);
  if (da->parent >= 0) collect(Plug{dst.node, da->parent});
  for (int c : da->children) collect(Plug{dst.node, c});
  if (!inTheWay.empty() && !force) {
    throw Error("'" + plugName(inTheWay.front().second) +
                "' already has an incoming connection from '" + plugName(inTheWay.front().first) +
                "'");
  }
  for (const auto& [from, to] : inTheWay) disconnect(from, to);

  addLink(src, dst);
  recordLink(/*connected=*/true, src, dst);
  propagateDirty(dst);
  return true;
}

void Scene::recordLink(bool connected, const Plug& src, const Plug& dst) {
  Change c;
  c.kind = connected ? Change::Kind::Connect : Change::Kind::Disconnect;
  c.node = src.node;
  c.attr = src.attr;
  c.other = dst.node;
  c.otherAttr = dst.attr;
  undo_.record(std::move(c));
}

void Scene::disconnect(const Plug& src, const Plug& dst) {
  if (!isConnected(src, dst)) {
    throw Error("There is no connection from '" + plugName(src) + "' to '" + plugName(dst) +
                "' to disconnect");
  }
  // The destination keeps the value it last received.
  evaluate(dst, 0);
  removeLink(src, dst);
  recordLink(/*connected=*/false, src, dst);
  propagateDirty(dst);
}

}  // namespace scene
