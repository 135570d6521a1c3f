// Every executable built on mayasim_host links this file, so its host has
// loadPlugin, unloadPlugin and pluginInfo from the start.
#include "host/Host.h"
#include "loader/PluginCommands.h"

namespace {

[[maybe_unused]] const bool kInstalled =
    (mayasim::Host::addCommandSet(&mayasim::registerPluginCommands), true);

}  // namespace
