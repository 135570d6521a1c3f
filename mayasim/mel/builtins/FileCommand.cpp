// file: only starting a new, empty scene is supported.
#include "mel/CommandArgs.h"
#include "mel/builtins/Commands.h"
#include "mel/builtins/Common.h"

namespace builtins {

namespace {

mel::Value fileCmd(scene::Scene& scene, mel::Interpreter&, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {
      {"q", "query", 0},  {"f", "force", 0},     {"new", "newFile", 0}, {"o", "open", 0},
      {"s", "save", 0},   {"i", "import", 0},    {"rn", "rename", 1},   {"sn", "sceneName", 0},
      {"typ", "type", 1}, {"mf", "modified", 0}};
  mel::CommandArgs a("file", kFlags, args);
  if (a.query()) {
    if (a.has("sceneName")) return "";
    if (a.has("modified")) return 0;
  } else if (a.has("newFile")) {
    scene.clear();
    return "untitled";
  }
  throw mel::Error("file: not supported (only file -f -new).");
}

}  // namespace

void registerFileCommand(mel::Interpreter& interp, scene::Scene& scene) {
  addCommand(interp, scene, "file", fileCmd);
}

}  // namespace builtins
