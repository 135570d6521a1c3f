// Scene: unique names, renaming, and finding nodes by name or path.
#include <algorithm>
#include <cstdlib>

#include "scene/Naming.h"
#include "scene/Scene.h"
#include "scene/SceneChanges.h"

namespace scene {

namespace {

std::string numbered(const std::string& base, unsigned n, std::size_t width) {
  std::string digits = std::to_string(n);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return base + digits;
}

}  // namespace

void Scene::indexName(const Node& n) { names_.insert(n.id_, n.name_); }

void Scene::unindexName(const Node& n) {
  names_.erase(n.id_, n.name_);
  // The number is free again: let the next default name reuse it.
  auto [base, digits] = splitTrailingDigits(n.name_);
  if (digits.empty() || digits.size() > 9) return;
  auto hint = nextNumber_.find(base);
  if (hint == nextNumber_.end()) return;
  unsigned number = static_cast<unsigned>(std::strtoul(digits.c_str(), nullptr, 10));
  if (number >= 1 && number < hint->second) hint->second = number;
}

bool Scene::nameTaken(const std::string& name) const { return names_.contains(name); }

std::vector<NodeId> Scene::nodesNamed(std::string_view name) const {
  std::vector<NodeId> out = names_.find(name);
  std::sort(out.begin(), out.end());
  return out;
}

std::string Scene::makeUnique(const std::string& base, const std::string& digits) const {
  // Zero-padded numbers keep their width (node001 -> node002) and are
  // searched from the given number; plain ones from the base's hint.
  const std::size_t width = (digits.size() > 1 && digits[0] == '0') ? digits.size() : 0;
  unsigned& hint = nextNumber_[base];
  if (hint == 0) hint = 1;
  unsigned n = hint;
  bool fromHint = width == 0;
  if (!digits.empty() && digits.size() <= 9) {
    unsigned after = static_cast<unsigned>(std::strtoul(digits.c_str(), nullptr, 10)) + 1;
    if (width > 0 || after > n) {
      n = after;
      fromHint = false;
    }
  }
  while (nameTaken(numbered(base, n, width))) ++n;
  if (fromHint) hint = n;  // every number below n is in use
  return numbered(base, n, width);
}

std::string Scene::uniqueName(const std::string& requested, const std::string& forType) const {
  if (requested.empty()) return makeUnique(defaultBaseName(forType.empty() ? "node" : forType), "");
  std::string name = legalName(requested);
  if (name.empty()) throw Error("New name has no legitimate characters.");
  if (name.back() == '#') {
    name.erase(name.find_last_not_of('#') + 1);
    return makeUnique(name, "");
  }
  if (!nameTaken(name)) return name;
  auto [base, digits] = splitTrailingDigits(name);
  return makeUnique(base, digits);
}

void Scene::changeName(Node& n, const std::string& name) {
  unindexName(n);
  n.name_ = name;
  indexName(n);
}

std::string Scene::rename(NodeId id, const std::string& newName) {
  Node& n = live(id);
  std::string wanted = legalName(newName);
  if (wanted.empty()) throw Error("New name has no legitimate characters.");
  if (wanted == n.name_) return wanted;
  std::string finalName;
  if (wanted.back() == '#') {
    finalName = uniqueName(wanted);
  } else {
    bool clash = false;
    for (NodeId other : nodesNamed(wanted)) {
      const Node* o = node(other);
      if (!n.type_->isDag() || !o->type().isDag() || o->parent_ == n.parent_) clash = true;
    }
    finalName = clash ? uniqueName(wanted) : wanted;
  }
  auto data = std::make_shared<RenameData>();
  data->before = n.name_;
  data->after = finalName;
  changeName(n, finalName);
  Change c;
  c.kind = Change::Kind::Rename;
  c.node = id;
  c.data = std::move(data);
  undo_.record(std::move(c));
  return finalName;
}

std::string Scene::fullPath(NodeId id) const {
  const Node* n = node(id);
  if (!n) return {};
  if (!n->type_->isDag()) return n->name_;
  std::string path;
  for (; n != nullptr; n = node(n->parent_)) path.insert(0, "|" + n->name_);
  return path;
}

bool Scene::pathEndsWith(NodeId id, std::string_view suffix) const {
  std::string path = fullPath(id);
  return path.size() >= suffix.size() &&
         std::string_view(path).substr(path.size() - suffix.size()) == suffix;
}

std::string Scene::partialPath(NodeId id) const {
  const Node* n = node(id);
  if (!n) return {};
  if (names_.count(n->name_) <= 1 || !n->type_->isDag()) return n->name_;
  // Grow the path upwards until no other node of that name ends the same way.
  std::vector<NodeId> rivals = nodesNamed(n->name_);
  std::string suffix = n->name_;
  for (const Node* up = node(n->parent_); up != nullptr; up = node(up->parent_)) {
    suffix = up->name_ + "|" + suffix;
    bool unique = true;
    for (NodeId r : rivals) {
      if (r != id && pathEndsWith(r, "|" + suffix)) unique = false;
    }
    if (unique) return suffix;
  }
  return "|" + suffix;
}

NodeId Scene::resolve(std::string_view text) const {
  if (text.empty()) return kNoNode;
  std::size_t bar = text.rfind('|');
  std::string_view last = bar == std::string_view::npos ? text : text.substr(bar + 1);
  std::vector<NodeId> found;
  for (NodeId c : nodesNamed(last)) {
    if (bar == std::string_view::npos) {
      found.push_back(c);
    } else if (text.front() == '|') {
      if (fullPath(c) == text) found.push_back(c);
    } else if (pathEndsWith(c, "|" + std::string(text))) {
      found.push_back(c);
    }
  }
  if (found.size() > 1) throw Error("More than one object matches name: " + std::string(text));
  return found.empty() ? kNoNode : found.front();
}

}  // namespace scene
