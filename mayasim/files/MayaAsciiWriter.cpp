#include "files/MayaAsciiWriter.h"

#include <cmath>
#include <cstdio>
#include <set>
#include <sstream>
#include <vector>

#include "commands/Common.h"
#include "scene/Scene.h"

namespace files {

namespace {

std::string number(double v) {
  char text[40];
  std::snprintf(text, sizeof text, "%.15g", v);
  return text;
}

std::string uiNumber(const scene::AttrDecl& a, double internal) {
  const double v = commands::toUi(a, internal);
  switch (a.type) {
    case scene::AttrType::Bool:
      return v != 0 ? "yes" : "no";
    case scene::AttrType::Long:
      return std::to_string(std::lround(v));
    default:
      return number(v);
  }
}

bool hasInput(const scene::Scene& scene, const scene::Plug& p) { return !scene.source(p).isNull(); }

void writeValues(scene::Scene& scene, scene::NodeId id, std::ostream& out) {
  const scene::NodeType& type = scene.node(id)->type();
  for (const scene::AttrDecl& a : type.attrs()) {
    if (!a.storable || !a.writable || a.parent >= 0) continue;
    const scene::Plug p{id, a.index};
    if (hasInput(scene, p)) continue;
    if (a.isCompound()) {
      const std::vector<double> values = scene.getNumbers(p);
      bool differs = false, childInput = false;
      for (std::size_t i = 0; i < a.children.size(); ++i) {
        differs = differs || values[i] != type.attr(a.children[i]).defaultValue;
        childInput = childInput || hasInput(scene, scene::Plug{id, a.children[i]});
      }
      if (!differs) continue;
      if (!childInput) {
        out << "\tsetAttr \"." << a.shortName << "\" -type \"double3\"";
        for (std::size_t i = 0; i < a.children.size(); ++i)
          out << ' ' << uiNumber(type.attr(a.children[i]), values[i]);
        out << " ;\n";
        continue;
      }
      for (std::size_t i = 0; i < a.children.size(); ++i) {
        const scene::AttrDecl& child = type.attr(a.children[i]);
        if (values[i] == child.defaultValue || hasInput(scene, scene::Plug{id, child.index}))
          continue;
        out << "\tsetAttr \"." << child.shortName << "\" " << uiNumber(child, values[i]) << ";\n";
      }
    } else if (scene::isNumeric(a.type)) {
      const double v = scene.getDouble(p);
      if (v != a.defaultValue)
        out << "\tsetAttr \"." << a.shortName << "\" " << uiNumber(a, v) << ";\n";
    } else if (a.type == scene::AttrType::String) {
      const std::string v = scene.getString(p);
      if (v != a.defaultString)
        out << "\tsetAttr \"." << a.shortName << "\" -type \"string\" " << quoted(v) << ";\n";
    }
  }
}

void writeNode(scene::Scene& scene, scene::NodeId id, std::ostream& out) {
  const scene::Node* n = scene.node(id);
  out << "createNode " << n->type().name() << " -n " << quoted(n->name());
  if (n->parent() != scene::kNoNode) out << " -p " << quoted(scene.partialPath(n->parent()));
  out << ";\n";
  writeValues(scene, id, out);
}

void writeDag(scene::Scene& scene, scene::NodeId id, std::ostream& out) {
  writeNode(scene, id, out);
  for (scene::NodeId child : scene.childrenOf(id)) writeDag(scene, child, out);
}

}  // namespace

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out + "\"";
}

std::string writeMayaAscii(scene::Scene& scene, const PluginOfType& pluginOf,
                           const std::string& fileName,
                           const std::map<std::string, std::string>& fileInfo) {
  const std::size_t slash = fileName.rfind('/');
  const std::string base = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
  std::ostringstream out;
  out << "//Maya ASCII 2022 scene\n//Name: " << base << "\n//Codeset: UTF-8\n";
  out << "requires maya \"2022\";\n";
  std::set<std::pair<std::string, std::string>> plugins;
  for (scene::NodeId id : scene.allNodes()) {
    if (const auto plugin = pluginOf(scene.node(id)->type().name())) plugins.insert(*plugin);
  }
  for (const auto& [name, version] : plugins)
    out << "requires " << quoted(name) << ' ' << quoted(version) << ";\n";
  out << "currentUnit -l centimeter -a degree -t film;\n";
  for (const auto& [key, value] : fileInfo)
    out << "fileInfo " << quoted(key) << ' ' << quoted(value) << ";\n";

  for (scene::NodeId id : scene.worldNodes()) writeDag(scene, id, out);
  for (scene::NodeId id : scene.allNodes()) {
    if (!scene.node(id)->type().isDag()) writeNode(scene, id, out);
  }
  for (scene::NodeId id : scene.allNodes()) {
    for (const scene::Link& link : scene.node(id)->links()) {
      if (link.incoming) continue;
      out << "connectAttr " << quoted(scene.plugName(scene::Plug{id, link.attr})) << ' '
          << quoted(scene.plugName(link.other)) << ";\n";
    }
  }
  out << "// End of " << base << "\n";
  return out.str();
}

}  // namespace files
