// Loads and unloads plug-in libraries into the host: finds the file, checks
// its entry points, runs initializePlugin / uninitializePlugin, and makes sure
// that a plug-in that fails leaves nothing registered and the host running.
//
// Failures are reported by throwing mel::Error with the message the user sees,
// so the MEL commands in PluginCommands.cpp stay thin.
#pragma once

#include <string>
#include <vector>

#include "PluginLibrary.h"

namespace mayasim {

class Host;

struct LoadedPlugin {
  int index = -1;          // the Host's plug-in record
  std::string name;        // file name without extension
  std::string path;        // absolute path of the library
  std::string apiVersion;  // the library's MApiVersion text
  PluginLibrary library;
};

class PluginManager {
 public:
  explicit PluginManager(Host& host) : host_(host) {}
  ~PluginManager();  // leaves libraries mapped; see unloadAll()
  PluginManager(const PluginManager&) = delete;
  PluginManager& operator=(const PluginManager&) = delete;

  // Loads a plug-in given by path or by name (looked up on MAYA_PLUG_IN_PATH)
  // and returns its name. Throws mel::Error when it is already loaded, cannot
  // be found or opened, lacks an entry point, or initializePlugin fails or
  // throws; then nothing it registered remains and the library is closed.
  std::string load(const std::string& nameOrPath);

  // Calls uninitializePlugin, drops what the plug-in still has registered and
  // closes the library (warning when the loader keeps it mapped). Throws
  // mel::Error when it is not loaded, when nodes of its types exist, or when
  // uninitializePlugin fails (it then stays loaded). `force` deletes its
  // nodes first and unloads even after uninitializePlugin failed.
  void unload(const std::string& name, bool force);

  // Unloads every plug-in, most recently loaded first, forcing; errors are
  // printed, not thrown. For the end of the host's life, so the nodes that
  // go with their plug-ins are not reported.
  void unloadAll();

  // nullptr when no plug-in of that name is loaded. `nameOrPath` may be a
  // path or carry the extension.
  const LoadedPlugin* find(const std::string& nameOrPath) const;
  std::vector<std::string> loadedNames() const;  // in load order

  // Node types of the plug-in that have nodes in the scene.
  std::vector<std::string> typesInUse(const LoadedPlugin& plugin) const;

 private:
  std::vector<LoadedPlugin>::iterator findLoaded(const std::string& name);
  void deleteNodesOf(int index, const std::string& name);
  void forgetUndoOf(const LoadedPlugin& plugin);
  void closeLibrary(LoadedPlugin& plugin);

  Host& host_;
  std::vector<LoadedPlugin> loaded_;
  std::vector<std::string> loading_;  // inside initializePlugin
  bool exiting_ = false;              // inside unloadAll
};

}  // namespace mayasim
