// The scene: node types, nodes, names, DAG, connections, evaluation,
// selection and the undo queue.
//
// Conventions:
//  - Mutators throw scene::Error (Maya's wording) when a request is refused
//    and then leave the scene unchanged. Getters never throw: an unknown id
//    or a null plug gives an empty/zero answer.
//  - Every mutation records its inverse into the undo queue's open chunk
//    when the queue is recording (see Undo.h); values computed during
//    evaluation are never recorded.
//  - Values are in internal units (cm, radians).
//  - Evaluation is push-dirty / pull-compute: setting a plug dirties the
//    attributes it affects on its node and everything downstream of them;
//    reading a plug takes an incoming connection's source value, or runs the
//    type's compute hook when the plug is dirty.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "scene/Error.h"
#include "scene/NameIndex.h"
#include "scene/Node.h"
#include "scene/NodeType.h"
#include "scene/Types.h"
#include "scene/Undo.h"

namespace scene {

enum class SelectMode { Replace, Add, Remove, Toggle };

class Scene : private ChangeReplayer {
 public:
  Scene();  // with the built-in types (see BuiltinTypes.h)
  ~Scene() override;
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  // ---------------------------------------------------------------- types
  // Registers a type. Throws scene::Error when the name is taken, the parent
  // type is unknown, or the declaration is inconsistent. Types are not undoable.
  const NodeType& registerType(NodeTypeDecl decl);
  // Removes a type. Returns false (and keeps it) when it is unknown, is
  // some other type's parent, or nodes of it exist or are held by the undo
  // queue (flush first).
  bool unregisterType(const std::string& name);
  const NodeType* findType(std::string_view name) const;   // nullptr if unknown
  std::vector<std::string> typeNames() const;              // sorted
  bool hasNodesOfType(const std::string& name) const;      // live nodes of exactly that type
  bool undoReferencesType(const std::string& name) const;  // snapshots in the undo queue

  // ---------------------------------------------------------------- nodes
  Node* node(NodeId id);  // nullptr when there is no such live node
  const Node* node(NodeId id) const;
  bool exists(NodeId id) const { return node(id) != nullptr; }
  std::size_t nodeCount() const { return liveCount_; }
  std::vector<NodeId> allNodes() const;  // live nodes in creation order

  // An id for a node that will be made later by createNode(..., id): what
  // MDGModifier::createNode hands out before the modifier runs. typeOf()
  // answers for it at once. Throws scene::Error for an unknown or abstract type.
  NodeId reserveId(const std::string& typeName);
  // Type of a live node, of a reserved id, or of a node that has been
  // deleted (undo may bring it back); nullptr for an unknown id.
  const NodeType* typeOf(NodeId id) const;

  // Makes a node. `name` empty: the type's default name (type name without
  // trailing digits, then the next free number: transform1, zubNode1); a
  // taken name gets a number (foo, foo1, foo2); a trailing '#' becomes the
  // next free number. `parent` must be a DAG node when given (the new node
  // must then be a DAG node too). `id` may be a reserved id or the id of a
  // node that was deleted (re-creation keeps identity); 0 takes a new one.
  // Does not touch the selection. Throws scene::Error for an unknown or
  // abstract type, a bad parent, or an id in use.
  NodeId createNode(const std::string& typeName, const std::string& name = {},
                    NodeId parent = kNoNode, NodeId id = kNoNode);

  // Deletes a node, its DAG descendants, its connections, and removes it from
  // the selection. Throws scene::Error if the id is not a live node.
  void deleteNode(NodeId id);

  // Renames a node; returns the name it got (made unique as in createNode;
  // invalid characters become '_'). Throws scene::Error when nothing legal
  // is left of the name.
  std::string rename(NodeId id, const std::string& newName);

  // Empties the scene (file -new): nodes, selection, undo queue, name
  // counters. Registered types stay. Ids keep growing.
  void clear();

  // --------------------------------------------------------------- naming
  // What createNode would name a node given `requested` (see createNode),
  // without creating it. `forType` supplies the default when requested is empty.
  std::string uniqueName(const std::string& requested, const std::string& forType = {}) const;
  // Node names and DAG paths, e.g. "pCube1", "|pCube1|pCubeShape1", "pCube1|pCubeShape1".
  // Resolves a short name, a partial path or a full path. Returns kNoNode when
  // nothing matches; throws scene::Error("More than one object matches name: X")
  // when several do.
  NodeId resolve(std::string_view nameOrPath) const;
  std::string fullPath(NodeId id) const;  // "|a|b" for DAG nodes; the name otherwise
  // The shortest unique way to name the node: its name when no other node
  // shares it, else the shortest unique path suffix.
  std::string partialPath(NodeId id) const;

  // ------------------------------------------------------------------ DAG
  NodeId parentOf(NodeId id) const;  // kNoNode at world level or for non-DAG nodes
  std::vector<NodeId> childrenOf(NodeId id) const;
  std::vector<NodeId> worldNodes() const;  // DAG nodes at world level, creation order
  // Moves a DAG node under `newParent` (kNoNode: world), last among its
  // siblings. Throws scene::Error for a non-DAG node, a parent that is not a
  // DAG node or that is the node itself or one of its descendants. A name
  // clash among the new siblings renames the node.
  void setParent(NodeId id, NodeId newParent);

  // ---------------------------------------------------------------- plugs
  const AttrDecl* decl(const Plug& p) const;  // nullptr for a null/unknown plug
  // Plug of node `id` by long or short attribute name; null plug if none.
  Plug plug(NodeId id, std::string_view attrName) const;
  // "node.attr" (attr: long or short name, or "parent.child"); null plug if
  // the node or attribute is missing. Throws on an ambiguous node name.
  Plug resolvePlug(std::string_view text) const;
  // "pCube1.translateX": the node's partial path and the long attribute name.
  std::string plugName(const Plug& p) const;
  Plug parentPlug(const Plug& p) const;               // compound parent, or null
  std::vector<Plug> childPlugs(const Plug& p) const;  // compound children, or empty

  // ---------------------------------------------------------------- values
  // Getters evaluate (may run compute hooks). Numeric types read as double;
  // a compound reads as its children's values.
  double getDouble(const Plug& p);
  std::vector<double> getNumbers(const Plug& p);
  std::string getString(const Plug& p);
  MeshData getMesh(const Plug& p);

  // Setters throw scene::Error when the plug is null, not writable, of
  // another type, locked, or has an incoming connection ("locked or
  // connected"). Numbers are clamped to the attribute's min/max; Bool and
  // Long are rounded. A compound takes one value per child.
  void setDouble(const Plug& p, double v);
  void setNumbers(const Plug& p, const std::vector<double>& values);
  void setString(const Plug& p, const std::string& v);

  // For compute hooks: store an output's value and mark it clean. Never
  // recorded for undo, never dirties anything.
  void setComputed(const Plug& p, double v);
  void setComputedMesh(const Plug& p, const MeshData& m);
  void setComputedString(const Plug& p, const std::string& v);

  bool isDirty(const Plug& p) const;
  void setLocked(const Plug& p, bool locked);  // undoable
  bool isLocked(const Plug& p) const;

  // ----------------------------------------------------------- connections
  // Connects src -> dst (values flow unchanged, internal units). Throws
  // scene::Error when either plug is null, dst is not writable/connectable,
  // the types do not fit (numeric to numeric, compound to compound, message
  // to message, mesh to mesh, string to string), src == dst, or dst already
  // has an input and `force` is false; with `force` that input is broken first.
  // Returns false, changing nothing, when the pair is already connected.
  bool connect(const Plug& src, const Plug& dst, bool force = false);
  // Throws scene::Error when src -> dst is not a connection.
  void disconnect(const Plug& src, const Plug& dst);
  Plug source(const Plug& dst) const;  // null when dst has no input
  std::vector<Plug> destinations(const Plug& src) const;
  bool isConnected(const Plug& src, const Plug& dst) const;
  bool hasConnections(const Plug& p) const;  // as source or destination

  // ------------------------------------------------------------- selection
  const std::vector<NodeId>& selection() const { return selection_; }
  bool isSelected(NodeId id) const { return selected_.count(id) != 0; }
  void select(const std::vector<NodeId>& ids, SelectMode mode);  // undoable
  void clearSelection();                                         // undoable

  // ------------------------------------------------------------------ undo
  UndoQueue& undoQueue() { return undo_; }
  const UndoQueue& undoQueue() const { return undo_; }

 private:
  struct Snapshot;
  struct RenameData;
  struct ReparentData;
  struct SelectData;
  struct StringData;

  // ChangeReplayer
  void revert(Change& change) override;
  void reapply(Change& change) override;
  enum class Side { kBefore, kAfter };
  void replay(Change& change, Side side);

  Node& live(NodeId id);  // throws scene::Error when not live
  const NodeType& creatableType(const std::string& typeName) const;
  NodeId takeId(NodeId requested);

  // Low-level mutations shared by the public calls and undo replay; none records.
  Node& insertNode(NodeId id, const NodeType& type, const std::string& name, NodeId parent,
                   int position);
  void removeNode(NodeId id);
  void attachChild(Node& child, NodeId parent, int position);
  void detachChild(Node& child);
  void addLink(const Plug& src, const Plug& dst);
  void removeLink(const Plug& src, const Plug& dst);
  // Records a link made (or broken) between src and dst for undo.
  void recordLink(bool connected, const Plug& src, const Plug& dst);
  void setSlot(Node& n, const AttrDecl& a, int offset, double v);
  void storeString(Node& n, int attr, const std::string& v);
  const std::string* storedString(const Node& n, int attr) const;
  void setSelection(std::vector<NodeId> ids);
  void changeName(Node& n, const std::string& name);

  std::shared_ptr<Snapshot> snapshot(const Node& n) const;
  void restore(const Snapshot& s);

  // Evaluation.
  void evaluate(const Plug& p, int depth);
  void propagateDirty(const Plug& p);
  void dependents(const Plug& p, std::vector<Plug>& out) const;
  Plug inputOf(const Plug& dst) const;  // own input, or via the compound parent's
  void checkSettable(const Plug& p) const;

  // Naming.
  void indexName(const Node& n);
  void unindexName(const Node& n);
  bool nameTaken(const std::string& name) const;
  std::string makeUnique(const std::string& base, const std::string& digits) const;
  std::vector<NodeId> nodesNamed(std::string_view name) const;
  bool pathEndsWith(NodeId id, std::string_view suffix) const;

  std::unordered_map<std::string, std::unique_ptr<NodeType>> types_;
  std::vector<std::unique_ptr<Node>> nodes_;  // by id; [0] unused
  std::vector<const NodeType*> idTypes_;      // type of every id ever handed out
  std::size_t liveCount_ = 0;
  std::unordered_map<const NodeType*, std::size_t> typeCounts_;
  NameIndex names_{nodes_};
  // Lowest number worth trying for each base name; numbers below it are taken.
  mutable std::unordered_map<std::string, unsigned> nextNumber_;
  std::vector<NodeId> selection_;
  std::unordered_set<NodeId> selected_;
  // Scratch room of propagateDirty, kept so that a pass does not allocate.
  static constexpr std::size_t kShortSeenList = 32;
  std::vector<Plug> dirtyStack_;
  std::vector<Plug> dirtySeen_;
  UndoQueue undo_;
};

}  // namespace scene
