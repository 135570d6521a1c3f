// undo, redo, flushUndo, undoInfo.
#include "commands/Commands.h"
#include "commands/Common.h"
#include "mel/CommandArgs.h"

namespace commands {

namespace {

mel::Value undoCmd(scene::Scene& scene, mel::Interpreter& interp, const mel::Args& args) {
  mel::CommandArgs a("undo", mel::kNoFlags, args);
  if (auto label = scene.undoQueue().undo()) {
    interp.output().info("// Undo: " + *label + " //");
  } else {
    interp.output().warning("There are no more commands to undo.");
  }
  return {};
}

mel::Value redoCmd(scene::Scene& scene, mel::Interpreter& interp, const mel::Args& args) {
  mel::CommandArgs a("redo", mel::kNoFlags, args);
  if (auto label = scene.undoQueue().redo()) {
    interp.output().info("// Redo: " + *label + " //");
  } else {
    interp.output().warning("There are no more commands to redo.");
  }
  return {};
}

mel::Value flushUndoCmd(scene::Scene& scene, mel::Interpreter&, const mel::Args& args) {
  mel::CommandArgs a("flushUndo", mel::kNoFlags, args);
  scene.undoQueue().flush();
  return {};
}

mel::Value undoInfoCmd(scene::Scene& scene, mel::Interpreter&, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {
      {"q", "query", 0},       {"st", "state", 1},          {"swf", "stateWithoutFlush", 1},
      {"ock", "openChunk", 0}, {"cck", "closeChunk", 0},    {"cn", "chunkName", 1},
      {"un", "undoName", 0},   {"rn", "redoName", 0},       {"l", "length", 1},
      {"in", "infinity", 1},   {"uqe", "undoQueueEmpty", 0}};
  mel::CommandArgs a("undoInfo", kFlags, args);
  scene::UndoQueue& queue = scene.undoQueue();
  if (a.query()) {
    if (a.has("state") || a.has("stateWithoutFlush")) return queue.enabled() ? 1 : 0;
    if (a.has("undoName")) return queue.undoLabel();
    if (a.has("redoName")) return queue.redoLabel();
    if (a.has("length")) return static_cast<int>(queue.length());
    if (a.has("infinity")) return queue.infinite() ? 1 : 0;
    if (a.has("undoQueueEmpty")) return queue.undoCount() == 0 ? 1 : 0;
    throw mel::Error("undoInfo: Nothing to query.");
  }
  if (a.has("state")) {
    const bool on = mel::toBool(a.arg("state"));
    if (on != queue.enabled()) queue.flush();
    queue.setEnabled(on);
  }
  if (a.has("length")) {
    const int steps = a.arg("length").asInt();
    if (steps < 0) throw mel::Error("undoInfo: the queue length must be 0 or more.");
    queue.setLength(static_cast<std::size_t>(steps));
  }
  if (a.has("infinity")) queue.setInfinite(mel::toBool(a.arg("infinity")));
  if (a.has("stateWithoutFlush")) queue.setEnabled(mel::toBool(a.arg("stateWithoutFlush")));
  if (a.has("openChunk")) {
    queue.openChunk(a.has("chunkName") ? a.arg("chunkName").asString() : std::string());
  }
  if (a.has("closeChunk")) queue.closeChunk();
  return {};
}

}  // namespace

void registerUndoCommands(mel::Interpreter& interp, scene::Scene& scene) {
  addCommand(interp, scene, "undo", undoCmd);
  addCommand(interp, scene, "redo", redoCmd);
  addCommand(interp, scene, "flushUndo", flushUndoCmd);
  addCommand(interp, scene, "undoInfo", undoInfoCmd);
}

}  // namespace commands
