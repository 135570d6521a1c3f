// The scene as Maya ASCII text: MEL that rebuilds it.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace scene {
class Scene;
}

namespace files {

// The plug-in (name, version) that provides a node type; nothing for
// built-in types.
using PluginOfType =
    std::function<std::optional<std::pair<std::string, std::string>>(const std::string& type)>;

// The header, `requires` for maya and for each plug-in whose node types the
// scene holds, currentUnit, fileInfo, then createNode (DAG nodes parents
// first, then the others in creation order) with a setAttr for every stored
// value that differs from its default and has no input, connectAttr for
// every connection, and the closing comment. Angles are written in degrees.
std::string writeMayaAscii(scene::Scene& scene, const PluginOfType& pluginOf,
                           const std::string& fileName,
                           const std::map<std::string, std::string>& fileInfo);

// `text` as a MEL string literal, quotes included.
std::string quoted(const std::string& text);

}  // namespace files
