// The host's core: one object that owns the output, the MEL interpreter,
// the scene and the UI, and keeps the event callbacks, what each plug-in
// registered, the trace and the results of running plug-in commands. The
// API layer (libOpenMaya) and the loader are built on it; it knows neither. It is made on first use
// and lives until the process ends (plug-ins may still hold on to it while the process exits), the
// one piece of global state in mayasim.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "mel/Interpreter.h"
#include "mel/Output.h"
#include "mel/Value.h"

namespace scene {
class Scene;
}
namespace ui {
class Ui;
}

namespace mayasim {

// An Output that hands everything to a sink that can be switched (stdout by
// default), so tests capture what the host prints.
class ForwardingOutput : public mel::Output {
 public:
  void write(std::string_view text) override;
  void setSink(mel::Output* sink) { sink_ = sink; }

 private:
  mel::StdOutput stdout_;
  mel::Output* sink_ = nullptr;
};

// One MGlobal::executeCommand call, as tests read it back.
struct TraceEntry {
  std::string text;
  bool display = false;
  bool undo = false;
};

// A node type a plug-in registered.
struct PluginNodeType {
  std::string name;
  unsigned int typeId = 0;
};

// What the host knows about one plug-in, loaded or not. Indices are never
// reused, so a plug-in's MObject stays unambiguous after it is unloaded.
struct PluginRecord {
  std::string name;  // file name without extension
  std::string path;
  std::string vendor = "Unknown";
  std::string version = "Unknown";
  std::string apiVersion = "Any";
  bool vendorSet = false;  // the first MFnPlugin's vendor/version are kept
  bool loaded = true;
  std::vector<std::string> commands;  // in registration order
  std::vector<PluginNodeType> nodeTypes;
  // Command objects of this plug-in held by the undo queue.
  std::shared_ptr<std::size_t> liveCommandObjects = std::make_shared<std::size_t>(0);
};

using BasicCallback = void (*)(void* clientData);
// Event callback ids (CallbackId in the API).
using CallbackId = std::uintptr_t;

class Host {
 public:
  Host();
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  // ---- The parts.
  mel::Output& output() { return output_; }
  // Where output goes; nullptr means stdout again.
  void setOutputSink(mel::Output* sink) { output_.setSink(sink); }
  mel::Interpreter& mel() { return *mel_; }
  scene::Scene& scene() { return *scene_; }
  ui::Ui& ui() { return *ui_; }

  // ---- Running MEL on behalf of a plug-in (MGlobal::executeCommand).
  // Records a trace entry (when recording is on), then runs `text`. With `undo` false nothing it
  // does enters the undo queue; with `display` true the text and each
  // statement's result are echoed as the script editor does. Returns false
  // after a MEL error (already printed). `result`, when given, receives the
  // value of the last statement.
  bool execute(const std::string& text, bool display, bool undo, mel::Value* result = nullptr);
  // Whether statements run at top level echo "// Result: v //" (interactive
  // sessions). Use this rather than mel().setEchoResults so that execute()
  // can restore it after a call with display on.
  void setEchoResults(bool on);
  // The in-memory trace of executed texts is kept only while recording is on
  // (off by default; tests switch it on), so a long session does not grow
  // with it. Switching off empties it.
  void setTraceRecording(bool on);
  const std::vector<TraceEntry>& trace() const { return trace_; }
  void clearTrace() { trace_.clear(); }
  // Appends one line per executed text to `path` ("" stops it).
  // Returns false when the file cannot be opened.
  bool setTraceFile(const std::string& path);

  // ---- Events (MEventMessage).
  static const std::vector<std::string>& eventNames();
  static bool isEventName(const std::string& name);
  // 0 for an unknown event name. Ids start at 1 and are never reused.
  CallbackId addEventCallback(const std::string& event, BasicCallback fn, void* clientData);
  bool removeCallback(CallbackId id);  // false for an unknown id
  std::size_t callbackCount(const std::string& event) const;
  std::size_t callbackCount() const;  // all events
  // Calls every callback registered for `name` when the firing starts, in
  // registration order; one removed meanwhile is skipped.
  void fireEvent(const std::string& name);

  // ---- Plug-ins. The loader (loadPlugin) opens a record with beginPlugin,
  // passes the plug-in's object (MFnPlugin::findPlugin) to initializePlugin,
  // and on unload or failure calls dropPluginRegistrations and endPlugin.
  int beginPlugin(const std::string& name, const std::string& path);
  // Marks it unloaded and empties its record; a later beginPlugin may reuse
  // the index.
  void endPlugin(int index);
  PluginRecord* plugin(int index);  // nullptr for a bad index
  const PluginRecord* plugin(int index) const;
  int findPlugin(const std::string& name) const;  // a loaded plug-in's index, or -1
  std::size_t pluginCount() const { return plugins_.size(); }
  std::vector<std::string> commandsOf(int index) const;
  // Deregisters every command and node type the plug-in still has, and
  // flushes the undo queue if it holds command objects of the plug-in.
  void dropPluginRegistrations(int index);

  // A MEL command a plug-in registered (MFnPlugin::registerCommand), kept in
  // its record. False, registering nothing, when the name is empty or taken.
  bool addPluginCommand(int plugin, const std::string& name, mel::CommandFn fn);
  // False when `name` is not a command of that plug-in.
  bool removePluginCommand(int plugin, const std::string& name);

  // Node types (MFnPlugin::registerNode keeps these in step with the scene).
  void addNodeType(int plugin, const std::string& typeName, unsigned int typeId);
  void removeNodeType(int plugin, const std::string& typeName);
  // The type registered under `typeId`, or "" when none.
  std::string nodeTypeName(unsigned int typeId) const;

  // ---- The result of the MPxCommand call being run (setResult & co).
  // False when no plug-in command is running.
  bool hasResultFrame() const { return !results_.empty(); }
  mel::Value* currentResult();  // nullptr when none is set (or no frame)
  void setCurrentResult(mel::Value value);
  void clearCurrentResult();
  // Used by the command dispatch: a frame per call.
  void pushResultFrame();
  mel::Value popResultFrame();  // the frame's value; int 0 when none was set

  // ---- Interrupting long computations (MComputation).
  void requestInterrupt() { interrupt_ = true; }
  bool interruptRequested() const { return interrupt_; }
  void clearInterrupt() { interrupt_ = false; }

  // ---- Command sets that sit above the core (the loader's loadPlugin & co.)
  // join every host through this: `install` runs on the host now if it
  // exists, else when it is made.
  static void addCommandSet(void (*install)(Host&));

  // For tests: empties the scene, the undo queue, the UI, the trace and the
  // event callbacks, and resets MEL globals. Loaded plug-ins and the trace
  // settings stay.
  void reset();

 private:
  struct Callback {
    std::string event;
    BasicCallback fn = nullptr;
    void* clientData = nullptr;
  };
  struct ResultFrame {
    bool set = false;
    mel::Value value;
  };

  ForwardingOutput output_;
  std::vector<PluginRecord> plugins_;
  std::map<unsigned int, std::string> typeIds_;
  std::unique_ptr<scene::Scene> scene_;
  std::unique_ptr<ui::Ui> ui_;
  std::unique_ptr<mel::Interpreter> mel_;
  std::vector<TraceEntry> trace_;
  bool recordTrace_ = false;
  std::unique_ptr<std::ofstream> traceFile_;
  std::map<CallbackId, Callback> callbacks_;
  CallbackId nextCallbackId_ = 1;
  std::vector<ResultFrame> results_;
  bool echo_ = false;                   // the interpreter's echo setting outside execute()
  std::atomic<bool> interrupt_{false};  // may be set from a signal handler
};

// The host, made on first use.
Host& host();

}  // namespace mayasim
