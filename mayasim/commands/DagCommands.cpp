// parent, listRelatives.
#include <algorithm>

#include "commands/Commands.h"
#include "commands/Common.h"
#include "mel/CommandArgs.h"

namespace commands {

namespace {

mel::Value parentCmd(scene::Scene& scene, mel::Interpreter&, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {{"w", "world", 0},
                                                    {"r", "relative", 0},
                                                    {"a", "absolute", 0},
                                                    {"add", "addObject", 0},
                                                    {"s", "shape", 0}};
  mel::CommandArgs a("parent", kFlags, args);
  std::vector<scene::NodeId> ids = nodesOrSelection(scene, words(a.positional()));
  scene::NodeId newParent = scene::kNoNode;
  if (!a.has("world")) {
    if (ids.size() < 2) throw mel::Error("parent: Not enough objects or values.");
    newParent = ids.back();
    ids.pop_back();
  } else if (ids.empty()) {
    throw mel::Error("parent: Not enough objects or values.");
  }
  scene::ChunkScope chunk(scene.undoQueue(), "parent");
  std::vector<std::string> out;
  for (scene::NodeId id : ids) {
    scene.setParent(id, newParent);
    out.push_back(scene.partialPath(id));
  }
  return stringArray(out);
}

mel::Value listRelativesCmd(scene::Scene& scene, mel::Interpreter&, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {
      {"c", "children", 0},     {"p", "parent", 0},          {"ap", "allParents", 0},
      {"s", "shapes", 0},       {"f", "fullPath", 0},        {"pa", "path", 0},
      {"typ", "type", 1, true}, {"ad", "allDescendents", 0}, {"ni", "noIntermediate", 0}};
  mel::CommandArgs a("listRelatives", kFlags, args);
  std::vector<std::string> types;
  for (const auto& use : a.uses("type")) {
    for (const mel::Value& v : use) {
      for (const std::string& t : words({v})) types.push_back(t);
    }
  }
  std::vector<scene::NodeId> found;
  for (scene::NodeId id : nodesOrSelection(scene, words(a.positional()))) {
    if (a.has("parent") || a.has("allParents")) {
      scene::NodeId p = scene.parentOf(id);
      if (p != scene::kNoNode) found.push_back(p);
    } else if (a.has("allDescendents")) {
      // Deepest first, as Maya lists them.
      std::vector<scene::NodeId> stack = scene.childrenOf(id);
      std::vector<scene::NodeId> order;
      while (!stack.empty()) {
        scene::NodeId cur = stack.back();
        stack.pop_back();
        order.push_back(cur);
        for (scene::NodeId c : scene.childrenOf(cur)) stack.push_back(c);
      }
      found.insert(found.end(), order.rbegin(), order.rend());
    } else {
      for (scene::NodeId c : scene.childrenOf(id)) found.push_back(c);
    }
  }
  std::vector<std::string> out;
  for (scene::NodeId id : found) {
    const scene::NodeType& t = scene.node(id)->type();
    if (a.has("shapes") && !t.isShape()) continue;
    if (!types.empty() &&
        std::none_of(types.begin(), types.end(), [&](const std::string& n) { return t.isA(n); })) {
      continue;
    }
    const std::string name = a.has("fullPath") ? scene.fullPath(id) : scene.partialPath(id);
    if (std::find(out.begin(), out.end(), name) == out.end()) out.push_back(name);
  }
  return stringArray(out);
}

}  // namespace

void registerDagCommands(mel::Interpreter& interp, scene::Scene& scene) {
  addCommand(interp, scene, "parent", parentCmd);
  addCommand(interp, scene, "listRelatives", listRelativesCmd);
}

}  // namespace commands
