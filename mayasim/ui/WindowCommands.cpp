// showWindow, deleteUI and setParent: the commands that act on the tree as a
// whole rather than on one kind of control.
#include <algorithm>
#include <string>
#include <vector>

#include "mel/CommandArgs.h"
#include "ui/UiCommands.h"

namespace ui {
namespace {

std::string pathOrNone(const Control* c) { return c ? c->path() : "NONE"; }

// showWindow [name]: no name shows the most recently created window.
mel::Value showWindow(Ui& ui, const mel::Args& args) {
  mel::CommandArgs a("showWindow", mel::kNoFlags, args);
  if (a.positional().size() > 1) throw mel::Error("showWindow: Give at most one window name.");
  Control* window = nullptr;
  if (a.positional().empty()) {
    window = ui.lastWindow();
    if (!window) throw mel::Error("showWindow: No window to show.");
  } else {
    window = &ui.get(a.positional()[0].asString(), Kind::Window);
  }
  window->setProp("visible", mel::Value(1));
  return mel::Value();
}

Control& resolveForDelete(Ui& ui, const mel::CommandArgs& a, const std::string& name) {
  if (a.has("window")) return ui.get(name, Kind::Window);
  Control& c = ui.get(name);
  if (a.has("layout") && !isLayout(c.kind()))
    throw mel::Error("Object '" + name + "' is not a layout.");
  if (a.has("control") && c.kind() == Kind::Window)
    throw mel::Error("Object '" + name + "' is not a control.");
  return c;
}

// deleteUI [-window|-layout|-control] name...: every name is resolved before
// anything is deleted, so one bad name leaves the UI as it was.
mel::Value deleteUI(Ui& ui, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {
      {"wnd", "window", 0}, {"lay", "layout", 0}, {"ctl", "control", 0}};
  mel::CommandArgs a("deleteUI", kFlags, args);
  if (a.positional().empty()) throw mel::Error("deleteUI: No object name given.");

  std::vector<Control*> doomed;
  for (const mel::Value& v : a.positional())
    doomed.push_back(&resolveForDelete(ui, a, v.asString()));

  // Drop repeats and anything already inside another doomed object.
  std::vector<Control*> roots;
  for (Control* c : doomed) {
    bool covered = std::any_of(doomed.begin(), doomed.end(),
                               [c](Control* other) { return other != c && c->isWithin(*other); });
    if (!covered && std::find(roots.begin(), roots.end(), c) == roots.end()) roots.push_back(c);
  }
  for (Control* c : roots) ui.deleteControl(*c);
  return mel::Value();
}

// setParent ..  |  setParent name  |  setParent -q  |  setParent -topLevel
mel::Value setParent(Ui& ui, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {
      {"q", "query", 0}, {"top", "topLevel", 0}, {"u", "upLevel", 0}};
  mel::CommandArgs a("setParent", kFlags, args);
  if (a.query()) return mel::Value(pathOrNone(ui.currentParent()));
  if (a.has("topLevel")) {
    ui.setCurrentParent(nullptr);
    return mel::Value(pathOrNone(nullptr));
  }
  if (a.positional().size() > 1) throw mel::Error("setParent: Give one parent.");
  const std::string target = a.positional().empty() ? "" : a.positional()[0].asString();
  if (a.has("upLevel") || target == "..") return mel::Value(ui.parentUp().path());
  if (target.empty()) throw mel::Error("setParent: No parent given.");
  ui.setCurrentParent(&ui.get(target));
  return mel::Value(ui.currentParent()->path());
}

}  // namespace

void registerWindowCommands(mel::Interpreter& interp, Ui& ui) {
  interp.registerCommand("showWindow", [&ui](mel::Interpreter&, const mel::Args& args) {
    return showWindow(ui, args);
  });
  interp.registerCommand(
      "deleteUI", [&ui](mel::Interpreter&, const mel::Args& args) { return deleteUI(ui, args); });
  interp.registerCommand(
      "setParent", [&ui](mel::Interpreter&, const mel::Args& args) { return setParent(ui, args); });
}

}  // namespace ui
