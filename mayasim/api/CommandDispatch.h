// How MFnPlugin::registerCommand turns an MPxCommand class into a MEL
// command of the host.
#pragma once

#include <maya/MPlugin.h>

#include <string>

namespace mayasim {

// False, registering nothing, when the name is empty or taken.
bool registerPluginCommand(int plugin, const std::string& name, MCreatorFunction creator,
                           MCreateSyntaxFunction syntaxFn);

}  // namespace mayasim
