// MEL commands that manage plug-ins:
//   loadPlugin [-quiet] NAME_OR_PATH...      -> string[] of loaded names
//   unloadPlugin [-force] NAME...            -> string[] of unloaded names
//   pluginInfo -listPlugins                  -> string[] in load order
//   pluginInfo -q -loaded NAME               -> int
//   pluginInfo -q -command|-dependNode NAME  -> string[] in registration order
//   pluginInfo -q -path|-vendor|-version|-apiVersion|-name NAME -> string
//   pluginInfo -q -unloadOk NAME             -> int
#pragma once

namespace mayasim {

class Host;
class PluginManager;

// Adds the plug-in commands to the host's MEL command table. Called once by
// the Host's constructor.
void registerPluginCommands(Host& host);

// The plug-in manager that serves `host`'s commands.
PluginManager& pluginManager(Host& host);

// Unloads every plug-in, most recently loaded first, calling each one's
// uninitializePlugin. For the end of a host session (sockets close cleanly).
void unloadAllPlugins(Host& host);

}  // namespace mayasim
