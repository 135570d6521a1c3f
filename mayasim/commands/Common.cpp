#include "commands/Common.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "mel/CommandArgs.h"
#include "scene/Naming.h"

namespace commands {

namespace {
constexpr double kPi = 3.14159265358979323846;
}

void addCommand(mel::Interpreter& interp, scene::Scene& scene, const std::string& name,
                SceneCommandFn fn) {
  interp.registerCommand(name,
                         [&scene, fn = std::move(fn)](mel::Interpreter& in, const mel::Args& args) {
                           try {
                             return fn(scene, in, args);
                           } catch (const scene::Error& e) {
                             throw mel::Error(e.what());
                           }
                         });
}

std::vector<std::string> words(const mel::Args& args) {
  std::vector<std::string> out;
  for (const mel::Value& v : args) {
    if (v.isArray()) {
      for (const std::string& s : v.asStringArray()) out.push_back(s);
    } else {
      out.push_back(v.asString());
    }
  }
  return out;
}

scene::NodeId findNode(const scene::Scene& scene, const std::string& name) {
  scene::NodeId id = scene::kNoNode;
  try {
    id = scene.resolve(name);
  } catch (const scene::Error& e) {
    throw mel::Error(e.what());
  }
  if (id == scene::kNoNode) throw mel::Error("No object matches name: " + name);
  return id;
}

std::vector<scene::NodeId> matchNodes(const scene::Scene& scene, const std::string& pattern,
                                      bool required) {
  // A plain name must name exactly one node; otherwise (wildcards, or a
  // listing that tolerates misses) every node whose name fits is taken.
  if (required && pattern.find_first_of("*?") == std::string::npos)
    return {findNode(scene, pattern)};
  const bool byPath = pattern.find('|') != std::string::npos;
  std::vector<std::pair<std::string, scene::NodeId>> found;
  for (scene::NodeId id : scene.allNodes()) {
    const std::string text = byPath ? scene.fullPath(id) : scene.node(id)->name();
    const bool hit =
        byPath ? (scene::globMatch(pattern, text) || scene::globMatch("*|" + pattern, text))
               : scene::globMatch(pattern, text);
    if (hit) found.emplace_back(scene.partialPath(id), id);
  }
  if (found.empty() && required) throw mel::Error("No object matches name: " + pattern);
  std::sort(found.begin(), found.end());
  std::vector<scene::NodeId> out;
  for (const auto& f : found) out.push_back(f.second);
  return out;
}

scene::Plug findPlug(const scene::Scene& scene, const std::string& text) {
  scene::Plug p;
  try {
    // ".tx": an attribute of the first selected node, as Maya files write them.
    if (!text.empty() && text[0] == '.' && !scene.selection().empty()) {
      p = scene.resolvePlug(scene.partialPath(scene.selection().front()) + text);
    } else {
      p = scene.resolvePlug(text);
    }
  } catch (const scene::Error& e) {
    throw mel::Error(e.what());
  }
  if (p.isNull()) throw mel::Error("No object matches name: " + text);
  return p;
}

std::vector<scene::NodeId> nodesOrSelection(const scene::Scene& scene,
                                            const std::vector<std::string>& names) {
  if (names.empty()) return scene.selection();
  std::vector<scene::NodeId> out;
  for (const std::string& n : names) {
    for (scene::NodeId id : matchNodes(scene, n, true)) out.push_back(id);
  }
  return out;
}

double toUi(const scene::AttrDecl& attr, double internal) {
  return attr.type == scene::AttrType::Angle ? internal * 180.0 / kPi : internal;
}

double fromUi(const scene::AttrDecl& attr, double ui) {
  return attr.type == scene::AttrType::Angle ? ui * kPi / 180.0 : ui;
}

double numberArg(const mel::Value& v, const std::string& what) {
  if (v.isNumber()) return v.asFloat();
  if (v.isString()) {
    const std::string s = v.asString();
    char* end = nullptr;
    const double d = std::strtod(s.c_str(), &end);
    if (!s.empty() && end && *end == '\0') return d;
    try {
      return mel::toBool(v) ? 1 : 0;
    } catch (const mel::Error&) {
    }
  }
  throw mel::Error("Invalid argument for " + what + ": " + v.toString());
}

mel::Value stringArray(const std::vector<std::string>& items) { return mel::Value(items); }

}  // namespace commands
