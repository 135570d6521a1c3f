// Where a plug-in named in `loadPlugin` lives on disk.
#pragma once

#include <string>
#include <vector>

namespace mayasim {

// A plug-in is given as a path when the text contains '/' or ends in ".so";
// otherwise it is a bare name to look up.
bool isPluginPath(const std::string& nameOrPath);

// The plug-in's name: the file name without directory and extension
// ("/a/b/sampleCmd.so" -> "sampleCmd"; "sampleCmd" -> "sampleCmd").
std::string pluginNameOf(const std::string& nameOrPath);

// Directories of a colon-separated search path; empty entries are skipped.
std::vector<std::string> splitSearchPath(const std::string& searchPath);

// The file to open for `nameOrPath`, or "" when there is none:
// - a text with '/' is the path itself (when the file exists);
// - "x.so" without '/' is looked for in the current directory, then in `dirs`;
// - a bare name `x` is looked for as `x.so`, then `x`, in each of `dirs` in order.
// Found paths are made absolute, so the same library always has the same path.
std::string findPluginFile(const std::string& nameOrPath, const std::vector<std::string>& dirs);

// The directories of the MAYA_PLUG_IN_PATH environment variable.
std::vector<std::string> pluginSearchPath();

}  // namespace mayasim
