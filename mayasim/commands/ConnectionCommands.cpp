// connectAttr, disconnectAttr, isConnected, listConnections.
#include "commands/Commands.h"
#include "commands/Common.h"
#include "mel/CommandArgs.h"

namespace commands {

namespace {

scene::Plug plugOrFail(const scene::Scene& scene, const std::string& text, const char* role) {
  scene::Plug p;
  try {
    p = scene.resolvePlug(text);
  } catch (const scene::Error& e) {
    throw mel::Error(e.what());
  }
  if (p.isNull())
    throw mel::Error(std::string("The ") + role + " attribute '" + text + "' cannot be found.");
  return p;
}

std::pair<std::string, std::string> twoPlugs(const char* command, const mel::Args& pos) {
  const std::vector<std::string> w = words(pos);
  if (w.size() != 2) throw mel::Error(std::string(command) + ": two attributes are needed.");
  return {w[0], w[1]};
}

mel::Value connectAttrCmd(scene::Scene& scene, mel::Interpreter& interp, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {
      {"f", "force", 0}, {"l", "lock", 1}, {"na", "nextAvailable", 0}, {"rd", "referenceDest", 1}};
  mel::CommandArgs a("connectAttr", kFlags, args);
  const auto [srcName, dstName] = twoPlugs("connectAttr", a.positional());
  const scene::Plug src = plugOrFail(scene, srcName, "source");
  const scene::Plug dst = plugOrFail(scene, dstName, "destination");
  scene::ChunkScope chunk(scene.undoQueue(), "connectAttr");
  if (!scene.connect(src, dst, a.has("force"))) {
    interp.output().warning("'" + scene.plugName(src) + "' is already connected to '" +
                            scene.plugName(dst) + "'.");
  }
  return "Connected " + scene.plugName(src) + " to " + scene.plugName(dst) + ".";
}

mel::Value disconnectAttrCmd(scene::Scene& scene, mel::Interpreter&, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {{"na", "nextAvailable", 0}};
  mel::CommandArgs a("disconnectAttr", kFlags, args);
  const auto [srcName, dstName] = twoPlugs("disconnectAttr", a.positional());
  const scene::Plug src = plugOrFail(scene, srcName, "source");
  const scene::Plug dst = plugOrFail(scene, dstName, "destination");
  if (!scene.isConnected(src, dst)) {
    throw mel::Error("There is no connection from '" + srcName + "' to '" + dstName +
                     "' to disconnect");
  }
  scene::ChunkScope chunk(scene.undoQueue(), "disconnectAttr");
  scene.disconnect(src, dst);
  return "Disconnected " + scene.plugName(src) + " from " + scene.plugName(dst) + ".";
}

mel::Value isConnectedCmd(scene::Scene& scene, mel::Interpreter&, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {{"iuc", "ignoreUnitConversion", 0}};
  mel::CommandArgs a("isConnected", kFlags, args);
  const auto [srcName, dstName] = twoPlugs("isConnected", a.positional());
  return scene.isConnected(findPlug(scene, srcName), findPlug(scene, dstName)) ? 1 : 0;
}

mel::Value listConnectionsCmd(scene::Scene& scene, mel::Interpreter&, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {{"s", "source", 1},
                                                    {"d", "destination", 1},
                                                    {"p", "plugs", 1},
                                                    {"c", "connections", 1},
                                                    {"t", "type", 1},
                                                    {"sh", "shapes", 1},
                                                    {"scn", "skipConversionNodes", 1}};
  mel::CommandArgs a("listConnections", kFlags, args);
  auto flag = [&](const char* name, bool dflt) {
    return a.has(name) ? mel::toBool(a.arg(name)) : dflt;
  };
  const bool sources = flag("source", true);
  const bool dests = flag("destination", true);
  const bool plugs = flag("plugs", false);
  const bool pairs = flag("connections", false);
  const std::string type = a.has("type") ? a.arg("type").asString() : std::string();

  // The plugs asked about: one plug, or every attribute of a node.
  std::vector<scene::Plug> asked;
  const std::vector<std::string> names = words(a.positional());
  if (names.empty()) {
    for (scene::NodeId id : scene.selection()) asked.push_back(scene::Plug{id, -1});
  }
  for (const std::string& n : names) {
    if (n.find('.') != std::string::npos) {
      asked.push_back(findPlug(scene, n));
    } else {
      asked.push_back(scene::Plug{findNode(scene, n), -1});
    }
  }

  std::vector<std::string> out;
  for (const scene::Plug& q : asked) {
    for (const scene::Link& l : scene.node(q.node)->links()) {
      if (q.attr >= 0 && l.attr != q.attr) continue;
      if (l.incoming ? !sources : !dests) continue;
      if (!type.empty() && !scene.node(l.other.node)->type().isA(type)) continue;
      if (pairs) out.push_back(scene.plugName(scene::Plug{q.node, l.attr}));
      out.push_back(plugs ? scene.plugName(l.other) : scene.partialPath(l.other.node));
    }
  }
  return stringArray(out);
}

}  // namespace

void registerConnectionCommands(mel::Interpreter& interp, scene::Scene& scene) {
  addCommand(interp, scene, "connectAttr", connectAttrCmd);
  addCommand(interp, scene, "disconnectAttr", disconnectAttrCmd);
  addCommand(interp, scene, "isConnected", isConnectedCmd);
  addCommand(interp, scene, "listConnections", listConnectionsCmd);
}

}  // namespace commands
