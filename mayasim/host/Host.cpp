#include "host/Host.h"

#include <algorithm>
#include <optional>

#include "commands/SceneCommands.h"
#include "files/FileCommands.h"
#include "host/ComputationInterrupt.h"
#include "mel/lib/StandardLibrary.h"
#include "render/PlayblastCommand.h"
#include "scene/Scene.h"
#include "ui/Ui.h"

namespace mayasim {

void ForwardingOutput::write(std::string_view text) {
  if (sink_)
    sink_->write(text);
  else
    stdout_.write(text);
}

Host::Host()
    : scene_(std::make_unique<scene::Scene>()),
      ui_(std::make_unique<ui::Ui>()),
      mel_(std::make_unique<mel::Interpreter>(output_)) {
  mel::openStandardLibrary(*mel_);
  registerSceneCommands(*mel_, *scene_);
  render::registerPlayblastCommand(*mel_, *scene_);
  files::registerFileCommands(*mel_, *scene_, [this](const std::string& type) {
    std::optional<std::pair<std::string, std::string>> found;
    for (const PluginRecord& p : plugins_) {
      for (const PluginNodeType& t : p.nodeTypes) {
        if (p.loaded && t.name == type) found = std::make_pair(p.name, p.version);
      }
    }
    return found;
  });
  ui::registerUiCommands(*mel_, *ui_);
  registerComputationCommands(*this);
}

Host::~Host() = default;

namespace {

Host*& instance() {
  static Host* made = nullptr;
  return made;
}

std::vector<void (*)(Host&)>& commandSets() {
  static std::vector<void (*)(Host&)> sets;
  return sets;
}

}  // namespace

Host& host() {
  // Never destroyed: plug-ins and their static objects may still reach the
  // host while the process exits.
  if (!instance()) {
    instance() = new Host();
    for (auto install : commandSets()) install(*instance());
  }
  return *instance();
}

void Host::addCommandSet(void (*install)(Host&)) {
  commandSets().push_back(install);
  if (instance()) install(*instance());
}

// ------------------------------------------------------------------- MEL

void Host::setEchoResults(bool on) {
  echo_ = on;
  mel_->setEchoResults(on);
}

bool Host::execute(const std::string& text, bool display, bool undo, mel::Value* result) {
  if (recordTrace_) trace_.push_back({text, display, undo});
  if (traceFile_) {
    *traceFile_ << "executeCommand display=" << (display ? 1 : 0) << " undo=" << (undo ? 1 : 0)
                << ": " << text << '\n';
    traceFile_->flush();
  }

  std::optional<scene::SuspendScope> suspend;
  if (!undo) suspend.emplace(scene_->undoQueue());
  if (display) output_.write(text + "\n");

  mel_->setEchoResults(display);
  mel::RunResult run = mel_->run(text);
  mel_->setEchoResults(echo_);

  if (run.ok && result) *result = run.value;
  return run.ok;
}

void Host::setTraceRecording(bool on) {
  recordTrace_ = on;
  if (!on) trace_.clear();
}

bool Host::setTraceFile(const std::string& path) {
  traceFile_.reset();
  if (path.empty()) return true;
  auto file = std::make_unique<std::ofstream>(path, std::ios::app);
  if (!*file) return false;
  traceFile_ = std::move(file);
  return true;
}

// ---------------------------------------------------------------- events

const std::vector<std::string>& Host::eventNames() {
  static const std::vector<std::string> names = {"idle",
                                                 "idleHigh",
                                                 "idleVeryLow",
                                                 "SelectionChanged",
                                                 "timeChanged",
                                                 "NewSceneOpened",
                                                 "SceneOpened",
                                                 "SceneSaved",
                                                 "PostSceneRead",
                                                 "DagObjectCreated",
                                                 "Undo",
                                                 "Redo",
                                                 "deleteAll",
                                                 "quitApplication",
                                                 "linearUnitChanged",
                                                 "angularUnitChanged",
                                                 "playbackRangeChanged",
                                                 "ModelPanelSetFocus"};
  return names;
}

bool Host::isEventName(const std::string& name) {
  const auto& names = eventNames();
  return std::find(names.begin(), names.end(), name) != names.end();
}

CallbackId Host::addEventCallback(const std::string& event, BasicCallback fn, void* clientData) {
  if (!fn || !isEventName(event)) return 0;
  CallbackId id = nextCallbackId_++;
  callbacks_[id] = Callback{event, fn, clientData};
  return id;
}

bool Host::removeCallback(CallbackId id) { return callbacks_.erase(id) != 0; }

std::size_t Host::callbackCount(const std::string& event) const {
  return static_cast<std::size_t>(
      std::count_if(callbacks_.begin(), callbacks_.end(),
                    [&](const auto& c) { return c.second.event == event; }));
}

std::size_t Host::callbackCount() const { return callbacks_.size(); }

void Host::fireEvent(const std::string& name) {
  std::vector<CallbackId> ids;
  for (const auto& [id, cb] : callbacks_)
    if (cb.event == name) ids.push_back(id);
  for (CallbackId id : ids) {
    auto it = callbacks_.find(id);
    if (it == callbacks_.end()) continue;  // removed by an earlier callback
    Callback cb = it->second;
    cb.fn(cb.clientData);
  }
}

// -------------------------------------------------------------- plug-ins

int Host::beginPlugin(const std::string& name, const std::string& path) {
  PluginRecord record;
  record.name = name;
  record.path = path;
  // Plug-in objects are only handed out while a plug-in is being loaded or
  // unloaded, so the slot of one that has gone can be taken again: a host
  // that loads and unloads for hours keeps as many records as it ever had
  // plug-ins loaded at once.
  for (std::size_t i = 0; i < plugins_.size(); ++i) {
    if (!plugins_[i].loaded) {
      plugins_[i] = std::move(record);
      return static_cast<int>(i);
    }
  }
  plugins_.push_back(std::move(record));
  return static_cast<int>(plugins_.size()) - 1;
}

void Host::endPlugin(int index) {
  if (PluginRecord* p = plugin(index)) {
    *p = PluginRecord{};
    p->loaded = false;
  }
}

PluginRecord* Host::plugin(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= plugins_.size()) return nullptr;
  return &plugins_[static_cast<std::size_t>(index)];
}

const PluginRecord* Host::plugin(int index) const { return const_cast<Host*>(this)->plugin(index); }

int Host::findPlugin(const std::string& name) const {
  for (std::size_t i = plugins_.size(); i-- > 0;)
    if (plugins_[i].loaded && plugins_[i].name == name) return static_cast<int>(i);
  return -1;
}

std::vector<std::string> Host::commandsOf(int index) const {
  const PluginRecord* p = plugin(index);
  return p ? p->commands : std::vector<std::string>{};
}

void Host::dropPluginRegistrations(int index) {
  PluginRecord* p = plugin(index);
  if (!p) return;
  // Command objects on the undo queue run the plug-in's code when undone or
  // deleted; they must go before the library does.
  if (*p->liveCommandObjects > 0) scene_->undoQueue().flush();
  for (auto it = p->commands.rbegin(); it != p->commands.rend(); ++it) mel_->unregisterCommand(*it);
  p->commands.clear();
  for (auto it = p->nodeTypes.rbegin(); it != p->nodeTypes.rend(); ++it) {
    scene_->unregisterType(it->name);
    typeIds_.erase(it->typeId);
  }
  p->nodeTypes.clear();
}

bool Host::addPluginCommand(int plugin, const std::string& name, mel::CommandFn fn) {
  PluginRecord* owner = this->plugin(plugin);
  const bool ok = mel_->registerCommand(name, std::move(fn));  // false when empty or taken
  if (ok && owner) owner->commands.push_back(name);
  return ok;
}

bool Host::removePluginCommand(int plugin, const std::string& name) {
  PluginRecord* owner = this->plugin(plugin);
  if (owner) {
    auto& cmds = owner->commands;
    auto it = std::find(cmds.begin(), cmds.end(), name);
    if (it == cmds.end()) return false;  // not this plug-in's command
    cmds.erase(it);
  }
  return mel_->unregisterCommand(name);
}

void Host::addNodeType(int plugin, const std::string& typeName, unsigned int typeId) {
  typeIds_[typeId] = typeName;
  if (PluginRecord* p = this->plugin(plugin)) p->nodeTypes.push_back({typeName, typeId});
}

void Host::removeNodeType(int plugin, const std::string& typeName) {
  for (auto it = typeIds_.begin(); it != typeIds_.end();) {
    if (it->second == typeName)
      it = typeIds_.erase(it);
    else
      ++it;
  }
  if (PluginRecord* p = this->plugin(plugin)) {
    auto& types = p->nodeTypes;
    types.erase(std::remove_if(types.begin(), types.end(),
                               [&](const PluginNodeType& t) { return t.name == typeName; }),
                types.end());
  }
}

std::string Host::nodeTypeName(unsigned int typeId) const {
  auto it = typeIds_.find(typeId);
  return it == typeIds_.end() ? std::string() : it->second;
}

// ---------------------------------------------------------- command results

mel::Value* Host::currentResult() {
  if (results_.empty() || !results_.back().set) return nullptr;
  return &results_.back().value;
}

void Host::setCurrentResult(mel::Value value) {
  if (results_.empty()) return;
  results_.back().set = true;
  results_.back().value = std::move(value);
}

void Host::clearCurrentResult() {
  if (results_.empty()) return;
  results_.back() = ResultFrame{};
}

void Host::pushResultFrame() { results_.emplace_back(); }

mel::Value Host::popResultFrame() {
  if (results_.empty()) return mel::Value();
  mel::Value v = std::move(results_.back().value);
  results_.pop_back();
  return v;
}

// ------------------------------------------------------------------ reset

void Host::reset() {
  scene_->clear();
  ui_->clear();
  mel_->resetGlobals();
  trace_.clear();
  callbacks_.clear();
  clearInterrupt();
  clearInterrupts();
}

}  // namespace mayasim
