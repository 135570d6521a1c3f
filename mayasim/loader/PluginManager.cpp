#include "PluginManager.h"

#include <algorithm>
#include <exception>
#include <utility>

#include <maya/MFnPlugin.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include "PluginSearch.h"
#include "host/Host.h"
#include "mel/Interpreter.h"
#include "scene/NodeType.h"
#include "scene/Scene.h"
#include "scene/Undo.h"

namespace mayasim {

namespace {

// The entry points have C++ linkage (`MStatus f(MObject)`), so they are
// exported under their mangled names; MObject is in the versioned namespace.
constexpr char kInitializeSymbol[] =
    "_Z16initializePluginN8Autodesk4Maya16OpenMaya202200007MObjectE";
constexpr char kUninitializeSymbol[] =
    "_Z18uninitializePluginN8Autodesk4Maya16OpenMaya202200007MObjectE";
constexpr char kApiVersionSymbol[] = "MApiVersion";

using EntryPoint = MStatus (*)(MObject);

EntryPoint entryPoint(const PluginLibrary& library, const char* symbol) {
  return reinterpret_cast<EntryPoint>(library.symbol(symbol));
}

// The object initializePlugin and uninitializePlugin receive.
MObject pluginObject(const Host& host, int index) {
  const PluginRecord* record = host.plugin(index);
  return record ? MFnPlugin::findPlugin(MString(record->name.c_str())) : MObject();
}

struct EntryResult {
  bool ok = true;
  std::string exception;  // what() of an exception that escaped it
};

// Runs an entry point; no exception gets past this into the host.
EntryResult callEntryPoint(EntryPoint entry, const MObject& plugin) {
  EntryResult result;
  try {
    result.ok = static_cast<bool>(entry(plugin));
  } catch (const std::exception& e) {
    result = {false, e.what()};
  } catch (...) {
    result = {false, "unknown exception"};
  }
  return result;
}

std::string failureMessage(const char* function, const std::string& name,
                           const EntryResult& result) {
  std::string message = std::string(function) + " function failed (" + name + ")";
  if (!result.exception.empty()) message += ": " + result.exception;
  return message;
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

PluginManager::~PluginManager() {
  // Closing here would run plug-in destructors during static destruction,
  // after parts of the host may be gone; unloadAll() is the orderly way.
  for (LoadedPlugin& plugin : loaded_) plugin.library.release();
}

std::string PluginManager::load(const std::string& nameOrPath) {
  const std::string name = pluginNameOf(nameOrPath);
  if (name.empty()) throw mel::Error("loadPlugin: no plug-in name given.");
  if (find(name) != nullptr || std::count(loading_.begin(), loading_.end(), name) > 0) {
    throw mel::Error("Plug-in " + quoted(name) + " is already loaded.");
  }

  std::string path = findPluginFile(nameOrPath, pluginSearchPath());
  if (path.empty()) {
    if (nameOrPath.find('/') == std::string::npos) {
      throw mel::Error("Plug-in, " + quoted(nameOrPath) + ", was not found on MAYA_PLUG_IN_PATH.");
    }
    path = nameOrPath;  // let the loader say what is wrong with it
  }

  // An exception from a static constructor of the library cannot be caught
  // here (the process terminates inside dlopen); plug-ins must not throw
  // while loading.
  std::string error;
  PluginLibrary library = PluginLibrary::open(path, error);
  if (!library.isOpen()) {
    throw mel::Error("Plug-in " + quoted(name) + " could not be loaded: " + error);
  }

  std::vector<std::string> missing;
  if (library.symbol(kInitializeSymbol) == nullptr) missing.push_back("initializePlugin");
  if (library.symbol(kUninitializeSymbol) == nullptr) missing.push_back("uninitializePlugin");
  const auto* apiVersion = static_cast<const char*>(library.symbol(kApiVersionSymbol));
  if (apiVersion == nullptr) missing.push_back(kApiVersionSymbol);
  if (!missing.empty()) {
    std::string list;
    for (const std::string& symbol : missing) list += (list.empty() ? "" : ", ") + symbol;
    throw mel::Error("Plug-in " + quoted(name) + " (" + path + ") is not a plug-in: missing " +
                     list + ".");
  }

  LoadedPlugin plugin;
  plugin.name = name;
  plugin.path = path;
  plugin.apiVersion = apiVersion;
  plugin.index = host_.beginPlugin(name, path);

  loading_.push_back(name);
  const EntryResult result =
      callEntryPoint(entryPoint(library, kInitializeSymbol), pluginObject(host_, plugin.index));
  loading_.erase(std::find(loading_.begin(), loading_.end(), name));
  if (!result.ok) {
    host_.dropPluginRegistrations(plugin.index);
    host_.endPlugin(plugin.index);
    library.close();
    throw mel::Error(failureMessage("initializePlugin", name, result));
  }
  plugin.library = std::move(library);
  loaded_.push_back(std::move(plugin));
  return name;
}

void PluginManager::unload(const std::string& nameOrPath, bool force) {
  const std::string name = pluginNameOf(nameOrPath);
  const LoadedPlugin* plugin = find(name);
  if (plugin == nullptr) throw mel::Error("Plug-in, " + quoted(name) + ", is not loaded.");

  // Plug-in code run below (node destructors, uninitializePlugin) may change
  // the list of loaded plug-ins, so keep nothing that points into it.
  const int index = plugin->index;
  const EntryPoint uninitialize = entryPoint(plugin->library, kUninitializeSymbol);
  const std::vector<std::string> inUse = typesInUse(*plugin);
  if (!inUse.empty()) {
    if (!force) {
      std::string types;
      for (const std::string& type : inUse) types += (types.empty() ? "" : ", ") + type;
      throw mel::Error("Plug-in " + quoted(name) + " is still in use: nodes of type " + types +
                       " exist. Delete them first, or use -force.");
    }
    deleteNodesOf(index, name);
  }

  const EntryResult result = callEntryPoint(uninitialize, pluginObject(host_, index));
  if (!result.ok) {
    const std::string message = failureMessage("uninitializePlugin", name, result);
    if (!force) throw mel::Error(message + "; the plug-in stays loaded.");
    host_.output().error(message);
  }

  // uninitializePlugin may have run MEL that changed the list.
  auto it = findLoaded(name);
  if (it == loaded_.end()) return;
  LoadedPlugin unloaded = std::move(*it);
  loaded_.erase(it);
  forgetUndoOf(unloaded);
  host_.dropPluginRegistrations(index);
  host_.endPlugin(index);
  closeLibrary(unloaded);
}

void PluginManager::unloadAll() {
  exiting_ = true;
  while (!loaded_.empty()) {
    const std::string name = loaded_.back().name;
    try {
      unload(name, true);
    } catch (const std::exception& e) {
      host_.output().error(e.what());
    }
    // Whatever happened, this plug-in must not be tried again.
    auto it = findLoaded(name);
    if (it != loaded_.end()) {
      LoadedPlugin stuck = std::move(*it);
      loaded_.erase(it);
      host_.dropPluginRegistrations(stuck.index);
      host_.endPlugin(stuck.index);
      closeLibrary(stuck);
    }
  }
  exiting_ = false;
}

const LoadedPlugin* PluginManager::find(const std::string& nameOrPath) const {
  const std::string name = pluginNameOf(nameOrPath);
  for (const LoadedPlugin& plugin : loaded_) {
    if (plugin.name == name) return &plugin;
  }
  return nullptr;
}

std::vector<std::string> PluginManager::loadedNames() const {
  std::vector<std::string> names;
  for (const LoadedPlugin& plugin : loaded_) names.push_back(plugin.name);
  return names;
}

std::vector<std::string> PluginManager::typesInUse(const LoadedPlugin& plugin) const {
  std::vector<std::string> types;
  if (const PluginRecord* record = host_.plugin(plugin.index)) {
    for (const PluginNodeType& type : record->nodeTypes) {
      if (host_.scene().hasNodesOfType(type.name)) types.push_back(type.name);
    }
  }
  return types;
}

std::vector<LoadedPlugin>::iterator PluginManager::findLoaded(const std::string& name) {
  return std::find_if(loaded_.begin(), loaded_.end(),
                      [&](const LoadedPlugin& plugin) { return plugin.name == name; });
}

void PluginManager::deleteNodesOf(int index, const std::string& name) {
  const PluginRecord* record = host_.plugin(index);
  if (record == nullptr) return;
  const std::vector<PluginNodeType> types = record->nodeTypes;
  scene::Scene& scene = host_.scene();
  scene::SuspendScope noUndo(scene.undoQueue());
  std::size_t deleted = 0;
  for (scene::NodeId id : scene.allNodes()) {
    if (scene.node(id) == nullptr) continue;  // went with a parent
    const scene::NodeType* type = scene.typeOf(id);
    if (type == nullptr) continue;
    for (const PluginNodeType& own : types) {
      if (type->name() == own.name) {
        scene.deleteNode(id);
        ++deleted;
        break;
      }
    }
  }
  if (exiting_) return;
  host_.output().warning("Deleted " + std::to_string(deleted) + " node(s) of plug-in " +
                         quoted(name) + " before unloading it.");
}

void PluginManager::forgetUndoOf(const LoadedPlugin& plugin) {
  const PluginRecord* record = host_.plugin(plugin.index);
  if (record == nullptr) return;
  scene::Scene& scene = host_.scene();
  for (const PluginNodeType& type : record->nodeTypes) {
    if (scene.undoReferencesType(type.name)) {
      // Undo could bring back a node whose type is about to disappear.
      scene.undoQueue().flush();
      host_.output().warning("The undo queue was flushed: it held nodes of plug-in " +
                             quoted(plugin.name) + ".");
      return;
    }
  }
}

void PluginManager::closeLibrary(LoadedPlugin& plugin) {
  std::string error;
  if (!plugin.library.close(&error)) {
    host_.output().warning("Plug-in " + quoted(plugin.name) + ": " + error);
  }
  if (PluginLibrary::isResident(plugin.path)) {
    host_.output().warning("Plug-in " + quoted(plugin.name) +
                           " is still mapped after unloading; its static objects live on.");
  }
}

}  // namespace mayasim
