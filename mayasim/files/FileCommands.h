// file (new, open, save, rename, type, scene name), and the commands a Maya
// ASCII file runs: requires, fileInfo, currentUnit.
#pragma once

#include "files/MayaAsciiWriter.h"

namespace mel {
class Interpreter;
}

namespace files {

// `pluginOf` names the plug-in behind a node type, for the `requires` lines.
// `requires "p" "v"` loads plug-in p through loadPlugin when it is not loaded.
void registerFileCommands(mel::Interpreter& interp, scene::Scene& scene, PluginOfType pluginOf);

}  // namespace files
