#include "PluginCommands.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "PluginManager.h"
#include "host/Host.h"
#include "mel/CommandArgs.h"
#include "mel/Interpreter.h"

namespace mayasim {

namespace {

std::vector<std::string> names(const char* command, const mel::CommandArgs& args) {
  std::vector<std::string> result;
  for (const mel::Value& value : args.positional()) {
    if (value.isArray()) {
      for (const std::string& name : value.asStringArray()) result.push_back(name);
    } else {
      result.push_back(value.asString());
    }
  }
  if (result.empty()) throw mel::Error(std::string(command) + ": no plug-in given.");
  return result;
}

mel::Value loadPlugin(PluginManager& manager, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {{"qt", "quiet", 0}};
  const mel::CommandArgs parsed("loadPlugin", kFlags, args);
  std::vector<std::string> loaded;
  for (const std::string& name : names("loadPlugin", parsed)) {
    if (parsed.has("quiet") && manager.find(name) != nullptr) continue;
    loaded.push_back(manager.load(name));
  }
  return loaded;
}

mel::Value unloadPlugin(PluginManager& manager, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {{"f", "force", 0}};
  const mel::CommandArgs parsed("unloadPlugin", kFlags, args);
  std::vector<std::string> unloaded;
  for (const std::string& name : names("unloadPlugin", parsed)) {
    const LoadedPlugin* plugin = manager.find(name);
    const std::string pluginName = plugin != nullptr ? plugin->name : name;
    manager.unload(name, parsed.has("force"));
    unloaded.push_back(pluginName);
  }
  return unloaded;
}

mel::Value pluginInfo(Host& host, PluginManager& manager, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {
      {"q", "query", 0},       {"ls", "listPlugins", 0}, {"l", "loaded", 0},   {"c", "command", 0},
      {"dn", "dependNode", 0}, {"p", "path", 0},         {"vd", "vendor", 0},  {"v", "version", 0},
      {"av", "apiVersion", 0}, {"n", "name", 0},         {"uo", "unloadOk", 0}};
  const mel::CommandArgs parsed("pluginInfo", kFlags, args);
  if (parsed.has("listPlugins")) return manager.loadedNames();

  if (parsed.positional().empty()) throw mel::Error("pluginInfo: no plug-in given.");
  const std::string name = parsed.positional().front().asString();
  const LoadedPlugin* plugin = manager.find(name);
  if (parsed.has("loaded")) return plugin != nullptr ? 1 : 0;

  const bool wantsArray = parsed.has("command") || parsed.has("dependNode");
  if (plugin == nullptr) {
    host.output().warning("Plug-in, \"" + name + "\", is not loaded.");
    return wantsArray ? mel::Value(std::vector<std::string>()) : mel::Value(std::string());
  }
  const PluginRecord* record = host.plugin(plugin->index);
  if (parsed.has("command")) return host.commandsOf(plugin->index);
  if (parsed.has("dependNode")) {
    std::vector<std::string> types;
    if (record != nullptr) {
      for (const PluginNodeType& type : record->nodeTypes) types.push_back(type.name);
    }
    return types;
  }
  if (parsed.has("path")) return plugin->path;
  if (parsed.has("vendor")) return record != nullptr ? record->vendor : std::string();
  if (parsed.has("version")) return record != nullptr ? record->version : std::string();
  if (parsed.has("apiVersion")) return plugin->apiVersion;
  if (parsed.has("name")) return plugin->name;
  if (parsed.has("unloadOk")) return manager.typesInUse(*plugin).empty() ? 1 : 0;
  throw mel::Error("pluginInfo: say what to query (-loaded, -command, -path, ...).");
}

}  // namespace

PluginManager& pluginManager(Host& host) {
  static std::map<Host*, std::unique_ptr<PluginManager>> managers;
  std::unique_ptr<PluginManager>& manager = managers[&host];
  if (!manager) manager = std::make_unique<PluginManager>(host);
  return *manager;
}

void registerPluginCommands(Host& host) {
  PluginManager& manager = pluginManager(host);
  mel::Interpreter& mel = host.mel();
  mel.registerCommand("loadPlugin", [&manager](mel::Interpreter&, const mel::Args& args) {
    return loadPlugin(manager, args);
  });
  mel.registerCommand("unloadPlugin", [&manager](mel::Interpreter&, const mel::Args& args) {
    return unloadPlugin(manager, args);
  });
  mel.registerCommand("pluginInfo", [&host, &manager](mel::Interpreter&, const mel::Args& args) {
    return pluginInfo(host, manager, args);
  });
}

void unloadAllPlugins(Host& host) { pluginManager(host).unloadAll(); }

}  // namespace mayasim
