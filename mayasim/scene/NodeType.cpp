#include "scene/NodeType.h"

#include "scene/Error.h"

namespace scene {

int NodeType::findAttr(std::string_view name) const {
  for (const AttrDecl& a : attrs_) {
    if (a.matches(name)) return a.index;
  }
  return -1;
}

bool NodeType::isA(std::string_view typeName) const {
  for (const NodeType* t = this; t != nullptr; t = t->parent_) {
    if (t->name_ == typeName) return true;
  }
  return false;
}

bool NodeType::hasApiType(int apiType) const {
  for (const NodeType* t = this; t != nullptr; t = t->parent_) {
    if (t->apiType_ == apiType) return true;
  }
  return false;
}

std::unique_ptr<NodeType> NodeType::build(NodeTypeDecl decl, const NodeType* parent) {
  auto t = std::unique_ptr<NodeType>(new NodeType());
  t->name_ = std::move(decl.name);
  t->parent_ = parent;
  t->isDag_ = decl.isDag || (parent && parent->isDag_);
  t->isShape_ = decl.isShape || (parent && parent->isShape_);
  t->isAbstract_ = decl.isAbstract;
  t->apiType_ = decl.apiType;
  t->compute_ = decl.compute ? std::move(decl.compute) : (parent ? parent->compute_ : ComputeFn());
  t->onCreate_ =
      decl.onCreate ? std::move(decl.onCreate) : (parent ? parent->onCreate_ : NodeHook());
  t->onDestroy_ =
      decl.onDestroy ? std::move(decl.onDestroy) : (parent ? parent->onDestroy_ : NodeHook());
  if (parent) {
    t->attrs_ = parent->attrs_;
    t->slotCount_ = parent->slotCount_;
    t->affected_ = parent->affected_;
  }
  const std::size_t firstOwn = t->attrs_.size();

  for (AttrDecl& a : decl.attrs) {
    if (a.longName.empty()) throw Error("Attribute of type '" + t->name_ + "' has no name.");
    if (a.shortName.empty()) a.shortName = a.longName;
    for (const AttrDecl& b : t->attrs_) {
      if (b.matches(a.longName) || b.matches(a.shortName)) {
        throw Error("Attribute '" + a.longName + "' of type '" + t->name_ + "' clashes with '" +
                    b.longName + "'.");
      }
    }
    a.index = static_cast<int>(t->attrs_.size());
    a.parent = -1;
    a.children.clear();
    a.affects.clear();
    if (isNumeric(a.type)) {
      a.slot = t->slotCount_;
      a.slotCount = 1;
    } else if (a.type == AttrType::Mesh) {
      a.slot = t->slotCount_;
      a.slotCount = 4;
    } else {
      a.slot = -1;
      a.slotCount = 0;
    }
    t->slotCount_ += a.slotCount;
    t->attrs_.push_back(std::move(a));
    t->affected_.push_back(false);
  }

  // Compounds and their children.
  for (std::size_t i = firstOwn; i < t->attrs_.size(); ++i) {
    AttrDecl& a = t->attrs_[i];
    if (!a.isCompound()) {
      if (!a.childNames.empty()) throw Error("Attribute '" + a.longName + "' is not a compound.");
      continue;
    }
    if (a.childNames.size() != 3) {
      throw Error("Compound attribute '" + a.longName + "' needs three children.");
    }
    for (const std::string& childName : a.childNames) {
      int c = t->findAttr(childName);
      if (c < static_cast<int>(firstOwn)) {
        throw Error("Child '" + childName + "' of '" + a.longName + "' is not an attribute of '" +
                    t->name_ + "'.");
      }
      AttrDecl& child = t->attrs_[static_cast<std::size_t>(c)];
      if (!isNumeric(child.type) || child.parent >= 0) {
        throw Error("Attribute '" + childName + "' cannot be a child of '" + a.longName + "'.");
      }
      child.parent = a.index;
      a.children.push_back(c);
    }
  }

  // Dependencies within the node.
  for (std::size_t i = firstOwn; i < t->attrs_.size(); ++i) {
    for (const std::string& name : t->attrs_[i].affectsNames) {
      int target = t->findAttr(name);
      if (target < 0) {
        throw Error("Attribute '" + name + "' affected by '" + t->attrs_[i].longName +
                    "' is not an attribute of '" + t->name_ + "'.");
      }
      t->attrs_[i].affects.push_back(target);
      const AttrDecl& out = t->attrs_[static_cast<std::size_t>(target)];
      t->affected_[static_cast<std::size_t>(target)] = true;
      for (int c : out.children) t->affected_[static_cast<std::size_t>(c)] = true;
      if (out.parent >= 0) t->affected_[static_cast<std::size_t>(out.parent)] = true;
    }
  }
  return t;
}

}  // namespace scene
