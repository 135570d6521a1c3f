// Maya modules: .mod files found on MAYA_MODULE_PATH add their plug-in and
// script folders to MAYA_PLUG_IN_PATH and MAYA_SCRIPT_PATH, as Maya does at
// start-up.
#pragma once

#include <string>
#include <vector>

namespace mayasim::app {

struct ModuleFolders {
  std::vector<std::string> plugIns;
  std::vector<std::string> scripts;
};

// What one .mod file adds. Each "+ [KEY:VALUE...] name version path" line
// starts a module rooted at `path` (relative to `modDir` unless absolute);
// a module whose PLATFORM: is not linux, or one starting with "-", is
// skipped. A module adds its root's plug-ins/ and scripts/ folders when they
// exist, and the folders its MAYA_PLUG_IN_PATH / MAYA_SCRIPT_PATH lines name:
// "+:=" and ":=" relative to the root, "+=" and "=" as given; "=" and ":="
// replace what the module added before. Other lines are ignored.
ModuleFolders parseModuleFile(const std::string& text, const std::string& modDir);

// Every *.mod file directly inside each of `dirs` (in order; a folder's
// files by name).
ModuleFolders findModules(const std::vector<std::string>& dirs);

// Appends the folders of the modules on MAYA_MODULE_PATH to the
// MAYA_PLUG_IN_PATH and MAYA_SCRIPT_PATH environment variables.
void applyModulePath();

}  // namespace mayasim::app
