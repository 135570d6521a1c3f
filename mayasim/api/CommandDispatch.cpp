// How a plug-in's MPxCommand class becomes a MEL command: per call, make the
// object, run doIt with the call's arguments, then hand the object to the
// undo queue or delete it.
#include <maya/MArgList.h>
#include <maya/MPxCommand.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MSyntax.h>

#include <memory>

#include "api/CommandDispatch.h"
#include "api/ObjectAccess.h"
#include "host/Host.h"
#include "scene/Scene.h"

namespace mayasim {
namespace {

// What the command objects of one registered command share.
struct CommandRecord {
  std::string name;
  MCreatorFunction creator = nullptr;
  MSyntax syntax;
  std::shared_ptr<std::size_t> liveObjects;  // the plug-in's count of kept objects
};

// Deletes the command object when the undo queue lets go of it.
struct CommandDeleter {
  std::shared_ptr<std::size_t> liveObjects;
  void operator()(MPxCommand* cmd) const {
    delete cmd;
    if (liveObjects && *liveObjects > 0) --*liveObjects;
  }
};

// Pops the call's result frame however the call ends.
struct ResultFrameScope {
  Host& host;
  bool popped = false;
  explicit ResultFrameScope(Host& h) : host(h) { host.pushResultFrame(); }
  mel::Value take() {
    popped = true;
    return host.popResultFrame();
  }
  ~ResultFrameScope() {
    if (!popped) host.popResultFrame();
  }
};

// "(kFailure): Unexpected Internal Failure", as a failed command reports.
std::string statusText(const MStatus& status) {
  static const char* const names[] = {"kSuccess",          "kFailure",        "kInsufficientMemory",
                                      "kInvalidParameter", "kLicenseFailure", "kUnknownParameter",
                                      "kNotImplemented",   "kNotFound",       "kEndOfFile"};
  return std::string("(") + names[status.statusCode()] + "): " + str(status.errorString());
}

mel::Value runCommand(Host& host, const std::shared_ptr<CommandRecord>& record,
                      const mel::Args& args) {
  std::unique_ptr<MPxCommand> cmd(static_cast<MPxCommand*>(record->creator()));
  if (!cmd) throw mel::Error(record->name + ": the command could not be created.");
  ObjectAccess::setCommandInstance(*cmd, record.get(), mstr(record->name));

  MArgList argList = ObjectAccess::makeArgList(args);
  ResultFrameScope frame(host);
  scene::UndoQueue& queue = host.scene().undoQueue();
  MStatus status;
  {
    // The command's own changes are undone by its undoIt, not by the queue.
    scene::SuspendScope suspend(queue);
    status = cmd->doIt(argList);
  }
  if (!status) throw mel::Error(statusText(status));
  mel::Value result = frame.take();

  bool undoable = cmd->isUndoable() || ObjectAccess::legacyUndoable(*cmd);
  if (undoable) {
    std::shared_ptr<MPxCommand> kept(cmd.release(), CommandDeleter{record->liveObjects});
    ++*record->liveObjects;
    MPxCommand* raw = kept.get();
    // The step also keeps the command's record, which syntax() reads.
    auto undo = [kept, record, &queue]() {
      scene::SuspendScope suspend(queue);
      kept->undoIt();
    };
    auto redo = [raw, &queue]() {
      scene::SuspendScope suspend(queue);
      raw->redoIt();
    };
    // The undo function holds the object: when the queue drops the step, or
    // keeps nothing because undo is off, the object is deleted.
    queue.push(record->name, std::move(undo), std::move(redo));
  }
  return result;
}

}  // namespace

bool registerPluginCommand(int plugin, const std::string& name, MCreatorFunction creator,
                           MCreateSyntaxFunction syntaxFn) {
  Host& h = host();
  PluginRecord* owner = h.plugin(plugin);
  if (!creator || name.empty() || h.mel().hasCommand(name)) return false;
  auto record = std::make_shared<CommandRecord>();
  record->name = name;
  record->creator = creator;
  if (syntaxFn) record->syntax = syntaxFn();
  record->liveObjects = owner ? owner->liveCommandObjects : std::make_shared<std::size_t>(0);
  return h.addPluginCommand(plugin, name, [&h, record](mel::Interpreter&, const mel::Args& args) {
    return runCommand(h, record, args);
  });
}

}  // namespace mayasim

// ------------------------------------------------------------- MPxCommand

MPxCommand::MPxCommand() : instance(nullptr), historyOn_(true), undoable_(false) {}
MPxCommand::~MPxCommand() = default;

MStatus MPxCommand::doIt(const MArgList&) { return MS::kFailure; }
MStatus MPxCommand::undoIt() { return MS::kFailure; }
MStatus MPxCommand::redoIt() { return MS::kFailure; }
bool MPxCommand::isUndoable() const { return false; }
bool MPxCommand::hasSyntax() const { return true; }

MSyntax MPxCommand::syntax() const {
  auto* record = static_cast<const mayasim::CommandRecord*>(instance);
  return record ? record->syntax : MSyntax();
}

MString MPxCommand::commandString() const { return command; }
bool MPxCommand::isHistoryOn() const { return historyOn_; }
MStatus MPxCommand::setHistoryOn(bool state) {
  historyOn_ = state;
  return MS::kSuccess;
}
MStatus MPxCommand::setCommandString(const MString& str) {
  command = str;
  return MS::kSuccess;
}
MStatus MPxCommand::setUndoable(bool state) {
  undoable_ = state;
  return MS::kSuccess;
}

const char* MPxCommand::className() { return "MPxCommand"; }
