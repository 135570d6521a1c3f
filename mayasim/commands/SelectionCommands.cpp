// select and ls.
#include <algorithm>

#include "commands/Commands.h"
#include "commands/Common.h"
#include "mel/CommandArgs.h"

namespace commands {

namespace {

mel::Value selectCmd(scene::Scene& scene, mel::Interpreter&, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {
      {"r", "replace", 0},  {"add", "add", 0},  {"af", "addFirst", 0}, {"d", "deselect", 0},
      {"tgl", "toggle", 0}, {"cl", "clear", 0}, {"ne", "noExpand", 0}, {"all", "all", 0}};
  mel::CommandArgs a("select", kFlags, args);
  scene::ChunkScope chunk(scene.undoQueue(), "select");
  if (a.has("clear")) {
    scene.clearSelection();
    return {};
  }
  std::vector<scene::NodeId> ids;
  if (a.has("all")) {
    for (scene::NodeId id : scene.worldNodes()) ids.push_back(id);
  }
  for (const std::string& name : words(a.positional())) {
    for (scene::NodeId id : matchNodes(scene, name, true)) ids.push_back(id);
  }
  scene::SelectMode mode = scene::SelectMode::Replace;
  if (a.has("add") || a.has("addFirst")) mode = scene::SelectMode::Add;
  if (a.has("deselect")) mode = scene::SelectMode::Remove;
  if (a.has("toggle")) mode = scene::SelectMode::Toggle;
  scene.select(ids, mode);
  return {};
}

mel::Value lsCmd(scene::Scene& scene, mel::Interpreter&, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {
      {"sl", "selection", 0},  {"typ", "type", 1, true}, {"l", "long", 0},
      {"tr", "transforms", 0}, {"s", "shapes", 0},       {"dag", "dag", 0},
      {"fl", "flatten", 0}};
  mel::CommandArgs a("ls", kFlags, args);
  const std::vector<std::string> patterns = words(a.positional());

  std::vector<scene::NodeId> ids;
  if (!patterns.empty()) {
    for (const std::string& p : patterns) {
      for (scene::NodeId id : matchNodes(scene, p, false)) {
        if (std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
      }
    }
    if (a.has("selection")) {
      std::vector<scene::NodeId> picked;
      for (scene::NodeId id : scene.selection()) {
        if (std::find(ids.begin(), ids.end(), id) != ids.end()) picked.push_back(id);
      }
      ids = std::move(picked);
    }
  } else {
    ids = a.has("selection") ? scene.selection() : scene.allNodes();
  }

  std::vector<std::string> types;
  for (const auto& use : a.uses("type")) {
    for (const mel::Value& v : use) {
      for (const std::string& t : words({v})) types.push_back(t);
    }
  }
  std::vector<std::pair<std::string, scene::NodeId>> keep;
  for (scene::NodeId id : ids) {
    const scene::NodeType& t = scene.node(id)->type();
    if (a.has("transforms") && !t.isA("transform")) continue;
    if (a.has("shapes") && !t.isShape()) continue;
    if (a.has("dag") && !t.isDag()) continue;
    if (!types.empty() &&
        std::none_of(types.begin(), types.end(), [&](const std::string& n) { return t.isA(n); })) {
      continue;
    }
    keep.emplace_back(a.has("long") ? scene.fullPath(id) : scene.partialPath(id), id);
  }
  if (!a.has("selection")) std::sort(keep.begin(), keep.end());
  std::vector<std::string> out;
  for (const auto& k : keep) out.push_back(k.first);
  return stringArray(out);
}

}  // namespace

void registerSelectionCommands(mel::Interpreter& interp, scene::Scene& scene) {
  addCommand(interp, scene, "select", selectCmd);
  addCommand(interp, scene, "ls", lsCmd);
}

}  // namespace commands
