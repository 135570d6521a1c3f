// Node types: how a type is described (NodeTypeDecl) and what the scene keeps
// once it is registered (NodeType: the declaration with inherited attributes merged
// in and every name resolved to an index).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "scene/AttrDecl.h"
#include "scene/Types.h"

namespace scene {

class Scene;

// Computes the value of `attr` on node `id`: reads inputs through the scene's
// getters and writes results with Scene::setComputed*. Returns false when it
// does not handle that attribute (the stored value is then used as is).
using ComputeFn = std::function<bool(Scene& scene, NodeId id, const AttrDecl& attr)>;
// Called right after a node of the type comes into the scene (also when undo
// or redo brings one back), and right before one leaves it. Plug-in node
// types use them to make and drop their node object (Node::userData).
using NodeHook = std::function<void(Scene& scene, NodeId id)>;

struct NodeTypeDecl {
  std::string name;         // "transform", "zubNode001"
  std::string parentName;   // type to inherit attributes and kind from; empty: none
  bool isDag = false;       // inherited from the parent type when that is a DAG type
  bool isShape = false;     // inherited likewise
  bool isAbstract = false;  // cannot be created (e.g. "dagNode")
  int apiType = api::kDependencyNode;
  std::vector<AttrDecl> attrs;  // own attributes only
  ComputeFn compute;            // empty: the parent type's
  NodeHook onCreate;
  NodeHook onDestroy;
};

class NodeType {
 public:
  const std::string& name() const { return name_; }
  const NodeType* parent() const { return parent_; }
  bool isDag() const { return isDag_; }
  bool isShape() const { return isShape_; }
  bool isAbstract() const { return isAbstract_; }
  int apiType() const { return apiType_; }

  // Every attribute, inherited ones first; an attribute's index is its
  // position here and never changes while the type is registered.
  const std::vector<AttrDecl>& attrs() const { return attrs_; }
  const AttrDecl& attr(int index) const { return attrs_[static_cast<std::size_t>(index)]; }
  // Index of the attribute with this long or short name, or -1.
  int findAttr(std::string_view name) const;
  // Number of value slots a node of this type stores.
  int slotCount() const { return slotCount_; }
  // True when another attribute of the type affects this one (or its compound
  // parent or child): its value is computed, so a new node starts it dirty.
  bool isAffected(int index) const { return affected_[static_cast<std::size_t>(index)]; }

  // True when this type is `typeName` or inherits from it.
  bool isA(std::string_view typeName) const;
  // True when this type's or an ancestor's apiType is `apiType`.
  bool hasApiType(int apiType) const;

  const ComputeFn& compute() const { return compute_; }
  const NodeHook& onCreate() const { return onCreate_; }
  const NodeHook& onDestroy() const { return onDestroy_; }

  // Resolves `declaration` against its (already registered) parent type. Throws
  // scene::Error when an attribute name repeats, a compound child or an
  // affected attribute is missing, or a compound does not have 3 numeric children.
  static std::unique_ptr<NodeType> build(NodeTypeDecl decl, const NodeType* parent);

 private:
  std::string name_;
  const NodeType* parent_ = nullptr;
  bool isDag_ = false;
  bool isShape_ = false;
  bool isAbstract_ = false;
  int apiType_ = api::kDependencyNode;
  std::vector<AttrDecl> attrs_;
  int slotCount_ = 0;
  std::vector<bool> affected_;
  ComputeFn compute_;
  NodeHook onCreate_;
  NodeHook onDestroy_;
};

}  // namespace scene
