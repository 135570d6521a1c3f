// createNode, delete, rename, objExists, nodeType.
#include <algorithm>

#include "commands/Commands.h"
#include "commands/Common.h"
#include "mel/CommandArgs.h"
#include "scene/Naming.h"

namespace commands {

namespace {

mel::Value createNodeCmd(scene::Scene& scene, mel::Interpreter&, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {
      {"n", "name", 1}, {"p", "parent", 1}, {"ss", "skipSelect", 0}, {"s", "shared", 0}};
  mel::CommandArgs a("createNode", kFlags, args);
  const std::vector<std::string> pos = words(a.positional());
  if (pos.size() != 1) throw mel::Error("createNode: one node type is needed.");
  const std::string& typeName = pos[0];
  const scene::NodeType* type = scene.findType(typeName);
  if (!type || type->isAbstract()) throw mel::Error("Unknown object type: " + typeName);
  const std::string name = a.has("name") ? a.arg("name").asString() : std::string();

  if (a.has("shared") && !name.empty()) {
    scene::NodeId existing = scene.resolve(name);
    if (existing != scene::kNoNode) return scene.partialPath(existing);
  }
  scene::NodeId parent = scene::kNoNode;
  if (a.has("parent")) {
    parent = findNode(scene, a.arg("parent").asString());
    if (!type->isDag())
      throw mel::Error("createNode: a " + typeName + " node cannot have a parent.");
  }

  scene::ChunkScope chunk(scene.undoQueue(), "createNode");
  scene::NodeId id;
  if (type->isShape() && parent == scene::kNoNode) {
    // A shape lives under a transform; make one for it.
    parent = scene.createNode("transform");
    id = scene.createNode(typeName, name.empty() ? typeName + "Shape#" : name, parent);
  } else {
    id = scene.createNode(typeName, name, parent);
  }
  if (!a.has("skipSelect")) scene.select({id}, scene::SelectMode::Replace);
  return scene.partialPath(id);
}

mel::Value deleteCmd(scene::Scene& scene, mel::Interpreter&, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {{"ch", "constructionHistory", 0}};
  mel::CommandArgs a("delete", kFlags, args);
  const std::vector<scene::NodeId> ids = nodesOrSelection(scene, words(a.positional()));
  if (ids.empty()) throw mel::Error("Not enough objects or values.");
  if (a.has("constructionHistory")) return {};  // no history to drop here
  scene::ChunkScope chunk(scene.undoQueue(), "delete");
  for (scene::NodeId id : ids) {
    if (scene.exists(id)) scene.deleteNode(id);  // may have gone with a parent
  }
  return {};
}

// Shapes named after their transform follow a rename: pCube1/pCubeShape1
// renamed to box gives box/boxShape.
void renameShapes(scene::Scene& scene, scene::NodeId transform, const std::string& oldName,
                  const std::string& newName) {
  auto [oldBase, oldDigits] = scene::splitTrailingDigits(oldName);
  auto [newBase, newDigits] = scene::splitTrailingDigits(newName);
  for (scene::NodeId child : scene.childrenOf(transform)) {
    const scene::Node* n = scene.node(child);
    if (!n->type().isShape()) continue;
    if (n->name() == oldBase + "Shape" + oldDigits || n->name() == oldName + "Shape") {
      scene.rename(child, newBase + "Shape" + newDigits);
    }
  }
}

mel::Value renameCmd(scene::Scene& scene, mel::Interpreter&, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {{"is", "ignoreShape", 0}, {"uid", "uuid", 0}};
  mel::CommandArgs a("rename", kFlags, args);
  const std::vector<std::string> pos = words(a.positional());
  scene::NodeId id = scene::kNoNode;
  std::string newName;
  if (pos.size() == 2) {
    id = findNode(scene, pos[0]);
    newName = pos[1];
  } else if (pos.size() == 1) {
    if (scene.selection().empty()) throw mel::Error("rename: No object was given or selected.");
    id = scene.selection().front();
    newName = pos[0];
  } else {
    throw mel::Error("rename: Wrong number of arguments.");
  }
  scene::ChunkScope chunk(scene.undoQueue(), "rename");
  const std::string oldName = scene.node(id)->name();
  const std::string got = scene.rename(id, newName);
  if (!a.has("ignoreShape") && scene.node(id)->type().isA("transform") && got != oldName) {
    renameShapes(scene, id, oldName, got);
  }
  return got;
}

mel::Value objExistsCmd(scene::Scene& scene, mel::Interpreter&, const mel::Args& args) {
  const std::vector<std::string> pos = words(args);
  if (pos.size() != 1) throw mel::Error("objExists: one object name is needed.");
  try {
    if (pos[0].find('.') != std::string::npos) return scene.resolvePlug(pos[0]).isNull() ? 0 : 1;
    return scene.resolve(pos[0]) == scene::kNoNode ? 0 : 1;
  } catch (const scene::Error&) {
    return 1;  // several objects match: something of that name exists
  }
}

mel::Value nodeTypeCmd(scene::Scene& scene, mel::Interpreter&, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {{"i", "inherited", 0}};
  mel::CommandArgs a("nodeType", kFlags, args);
  const std::vector<std::string> pos = words(a.positional());
  if (pos.size() != 1) throw mel::Error("nodeType: one object name is needed.");
  const std::string& name = pos[0];
  scene::NodeId id =
      name.find('.') != std::string::npos ? findPlug(scene, name).node : findNode(scene, name);
  const scene::NodeType& t = scene.node(id)->type();
  if (a.has("inherited")) {
    std::vector<std::string> chain;
    for (const scene::NodeType* p = &t; p != nullptr; p = p->parent())
      chain.insert(chain.begin(), p->name());
    return stringArray(chain);
  }
  return t.name();
}

}  // namespace

void registerNodeCommands(mel::Interpreter& interp, scene::Scene& scene) {
  addCommand(interp, scene, "createNode", createNodeCmd);
  addCommand(interp, scene, "delete", deleteCmd);
  addCommand(interp, scene, "rename", renameCmd);
  addCommand(interp, scene, "objExists", objExistsCmd);
  addCommand(interp, scene, "nodeType", nodeTypeCmd);
}

}  // namespace commands
