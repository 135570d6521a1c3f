#include "files/FileCommands.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "commands/Common.h"
#include "mel/CommandArgs.h"
#include "scene/Scene.h"

namespace files {

namespace {

constexpr char kHeader[] = "//Maya ASCII";

struct SceneFile {
  std::string name;  // empty: untitled
  std::string type = "mayaAscii";
  std::map<std::string, std::string> info;
  PluginOfType pluginOf;
};

mel::Error failure(const std::string& why) { return mel::Error("file: " + why); }

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw failure("cannot read \"" + path + "\".");
  std::ostringstream text;
  text << in.rdbuf();
  if (!in.good() && !in.eof()) throw failure("cannot read \"" + path + "\".");
  return text.str();
}

void writeWhole(const std::string& path, const std::string& text) {
  const std::string temp = path + ".saving";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << text;
    out.flush();
    if (!out) {
      std::remove(temp.c_str());
      throw failure("cannot write \"" + path + "\".");
    }
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    throw failure("cannot write \"" + path + "\".");
  }
}

// Loads every plug-in the file requires before the scene is touched, so a
// missing one leaves the scene as it was.
void loadRequired(mel::Interpreter& interp, const std::string& text, const std::string& path) {
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    // requires [-flag "value"]... "plugin" "version";  (requires maya "..." names no plug-in)
    std::istringstream words(line);
    std::string word;
    if (!(words >> word) || word != "requires") continue;
    std::string plugin;
    while (words >> word) {
      if (word[0] == '-') {
        words >> word;  // the flag's value
        continue;
      }
      if (word.size() >= 2 && word.front() == '"') plugin = word.substr(1, word.find('"', 1) - 1);
      break;
    }
    if (plugin.empty()) continue;
    try {
      interp.call("loadPlugin", {mel::Value("-qt"), mel::Value(plugin)});
    } catch (const mel::Error& e) {
      throw failure("\"" + path + "\" requires plug-in \"" + plugin +
                    "\", which cannot be loaded: " + e.what());
    }
  }
}

void openFile(mel::Interpreter& interp, scene::Scene& scene, SceneFile& file,
              const std::string& path) {
  const std::string text = readAll(path);
  if (text.compare(0, sizeof kHeader - 1, kHeader) != 0) {
    throw failure("\"" + path + "\" is not a Maya ASCII file.");
  }
  loadRequired(interp, text, path);

  // Should the file fail half way, the scene it replaced comes back.
  const std::string backup = writeMayaAscii(scene, file.pluginOf, "backup", file.info);
  const std::map<std::string, std::string> info = file.info;
  scene::SuspendScope noUndo(scene.undoQueue());
  scene.clear();
  file.info.clear();
  try {
    interp.evaluate(text);
  } catch (const mel::Error& e) {
    scene.clear();
    file.info = info;
    interp.evaluate(backup);
    throw failure("\"" + path + "\" could not be read: " + e.what());
  }
  scene.clearSelection();
  scene.undoQueue().flush();
  file.name = path;
}

mel::Value fileCmd(scene::Scene& scene, mel::Interpreter& interp, SceneFile& file,
                   const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {
      {"q", "query", 0},     {"f", "force", 0},   {"new", "newFile", 0},  {"o", "open", 0},
      {"s", "save", 0},      {"rn", "rename", 1}, {"sn", "sceneName", 0}, {"typ", "type", 1},
      {"mf", "modified", 0}, {"pmt", "prompt", 1}};
  const mel::CommandArgs a("file", kFlags, args);
  if (a.query()) {
    if (a.has("sceneName")) return file.name;
    if (a.has("type")) return mel::Value(std::vector<std::string>{file.type});
    if (a.has("modified")) return 0;
    throw failure("say what to query (-sceneName, -type).");
  }
  if (a.has("rename")) {
    file.name = a.arg("rename").asString();
    if (file.name.empty()) throw failure("the new name is empty.");
    return file.name;
  }
  if (a.has("type") && !a.has("save")) {
    const std::string type = a.arg("type").asString();
    if (type != "mayaAscii")
      throw failure("only the mayaAscii type can be written, not \"" + type + "\".");
    file.type = type;
    return {};
  }
  if (a.has("newFile")) {
    scene.clear();
    file.name.clear();
    file.info.clear();
    return "untitled";
  }
  if (a.has("open")) {
    if (a.positional().size() != 1) throw failure("-open takes one file name.");
    openFile(interp, scene, file, a.positional()[0].asString());
    return file.name;
  }
  if (a.has("save")) {
    if (a.has("type") && a.arg("type").asString() != "mayaAscii") {
      throw failure("only the mayaAscii type can be written.");
    }
    if (file.name.empty())
      throw failure("the scene has no name yet; give it one with file -rename.");
    writeWhole(file.name, writeMayaAscii(scene, file.pluginOf, file.name, file.info));
    return file.name;
  }
  throw failure("say what to do (-new, -open, -save, -rename, -type, -q -sceneName).");
}

mel::Value requiresCmd(const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {{"nt", "nodeType", 1, true},
                                                    {"dt", "dataType", 1, true}};
  const mel::CommandArgs a("requires", kFlags, args);
  // The plug-ins are loaded before the file runs (see loadRequired).
  if (a.positional().size() != 2)
    throw mel::Error("requires: a product and its version are needed.");
  return {};
}

mel::Value fileInfoCmd(SceneFile& file, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {{"q", "query", 0}, {"rm", "remove", 1}};
  const mel::CommandArgs a("fileInfo", kFlags, args);
  const std::vector<std::string> pos = commands::words(a.positional());
  if (a.query()) {
    std::vector<std::string> out;
    for (const auto& [key, value] : file.info) {
      if (pos.empty() || pos[0] == key) out.insert(out.end(), {key, value});
    }
    if (!pos.empty() && !out.empty()) out.erase(out.begin());
    return out;
  }
  if (a.has("remove")) {
    file.info.erase(a.arg("remove").asString());
    return {};
  }
  if (pos.size() != 2) throw mel::Error("fileInfo: a keyword and a value are needed.");
  file.info[pos[0]] = pos[1];
  return {};
}

// Only the units mayasim works in: centimetres and degrees; any time unit.
mel::Value currentUnitCmd(const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {
      {"q", "query", 0}, {"l", "linear", 1},   {"a", "angle", 1},
      {"t", "time", 1},  {"f", "fullName", 0}, {"ua", "updateAnimation", 1}};
  const mel::CommandArgs a("currentUnit", kFlags, args);
  const bool full = a.has("fullName");
  if (a.query()) {
    if (a.has("linear")) return full ? "centimeter" : "cm";
    if (a.has("angle")) return full ? "degree" : "deg";
    if (a.has("time")) return "film";
    throw mel::Error("currentUnit: say what to query (-linear, -angle, -time).");
  }
  if (a.has("linear")) {
    const std::string unit = a.arg("linear").asString();
    if (unit != "centimeter" && unit != "cm")
      throw mel::Error("currentUnit: only centimeter lengths are supported, not " + unit + ".");
  }
  if (a.has("angle")) {
    const std::string unit = a.arg("angle").asString();
    if (unit != "degree" && unit != "deg")
      throw mel::Error("currentUnit: only degree angles are supported, not " + unit + ".");
  }
  return {};
}

}  // namespace

void registerFileCommands(mel::Interpreter& interp, scene::Scene& scene, PluginOfType pluginOf) {
  auto file = std::make_shared<SceneFile>();
  file->pluginOf = std::move(pluginOf);
  commands::addCommand(interp, scene, "file",
                       [file](scene::Scene& s, mel::Interpreter& in, const mel::Args& args) {
                         return fileCmd(s, in, *file, args);
                       });
  interp.registerCommand(
      "requires", [](mel::Interpreter&, const mel::Args& args) { return requiresCmd(args); });
  interp.registerCommand("fileInfo", [file](mel::Interpreter&, const mel::Args& args) {
    return fileInfoCmd(*file, args);
  });
  interp.registerCommand(
      "currentUnit", [](mel::Interpreter&, const mel::Args& args) { return currentUnitCmd(args); });
}

}  // namespace files
