// Host-only commands that act as the user on the headless controls, and print
// the tree. Stored MEL runs at global scope through Interpreter::run, which
// prints its errors; the act commands then return 0 instead of failing, so a
// bad callback never stops the script that drove it.
#include <string>
#include <vector>

#include "mel/CommandArgs.h"
#include "ui/UiCommands.h"

namespace ui {
namespace {

// Copies the script before running it: the script may delete its own control.
mel::Value runStored(mel::Interpreter& interp, std::string script) {
  if (script.empty()) return mel::Value(1);
  return mel::Value(interp.run(script).ok ? 1 : 0);
}

const mel::Value& onlyArg(const mel::CommandArgs& a, const std::string& command, std::size_t index,
                          std::size_t count) {
  if (a.positional().size() != count)
    throw mel::Error(command + ": Expected " + std::to_string(count) + " argument(s).");
  return a.positional()[index];
}

void requireUsable(const Control& c, const std::string& command) {
  if (!c.propInt("enable")) throw mel::Error(command + ": '" + c.name() + "' is disabled.");
}

mel::Value simPress(mel::Interpreter& interp, Ui& ui, const mel::Args& args) {
  mel::CommandArgs a("simPress", mel::kNoFlags, args);
  Control& button = ui.get(onlyArg(a, "simPress", 0, 1).asString(), Kind::Button);
  requireUsable(button, "simPress");
  return runStored(interp, button.propString("command"));
}

// A user cannot drag a slider past its ends, whatever a script stored.
mel::Value heldToRange(const Control& slider, const mel::Value& given) {
  double v = given.asFloat();
  const double lo = slider.propFloat("minValue");
  const double hi = slider.propFloat("maxValue");
  if (v > hi) v = hi;
  if (v < lo) v = lo;
  if (slider.kind() == Kind::IntSlider) return mel::Value(static_cast<int>(v));
  return mel::Value(v);
}

// Sets what the user would type or drag to, then runs the matching callback.
mel::Value userSets(mel::Interpreter& interp, Control& c, const mel::Value& given, bool drag) {
  requireUsable(c, "simSetValue");
  switch (c.kind()) {
    case Kind::FloatSlider:
    case Kind::IntSlider:
      c.setProp("value", heldToRange(c, given));
      return runStored(interp, c.propString(drag ? "dragCommand" : "changeCommand"));
    case Kind::TextField:
      if (!c.propInt("editable"))
        throw mel::Error("simSetValue: '" + c.name() + "' is not editable.");
      c.setProp("text", mel::Value(given.asString()));
      return runStored(interp, c.propString("changeCommand"));
    default:
      throw mel::Error("simSetValue: '" + c.name() + "' is a " + kindName(c.kind()) +
                       " and holds no value.");
  }
}

mel::Value simSetValue(mel::Interpreter& interp, Ui& ui, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {{"d", "drag", 0}};
  mel::CommandArgs a("simSetValue", kFlags, args);
  Control& c = ui.get(onlyArg(a, "simSetValue", 0, 2).asString());
  return userSets(interp, c, a.positional()[1], a.has("drag"));
}

mel::Value simEnter(mel::Interpreter& interp, Ui& ui, const mel::Args& args) {
  mel::CommandArgs a("simEnter", mel::kNoFlags, args);
  const std::size_t count = a.positional().size();
  if (count != 1 && count != 2)
    throw mel::Error("simEnter: Expected a text field and an optional text.");
  Control& field = ui.get(a.positional()[0].asString(), Kind::TextField);
  requireUsable(field, "simEnter");
  if (count == 2) {
    if (userSets(interp, field, a.positional()[1], false).asInt() == 0) return mel::Value(0);
  }
  // The change command may have deleted the field.
  Control* still = ui.find(a.positional()[0].asString(), Kind::TextField);
  return still ? runStored(interp, still->propString("enterCommand")) : mel::Value(1);
}

mel::Value simUI(mel::Interpreter& interp, Ui& ui, const mel::Args& args) {
  mel::CommandArgs a("simUI", mel::kNoFlags, args);
  if (a.positional().size() > 1) throw mel::Error("simUI: Give at most one name.");
  std::string text =
      a.positional().empty() ? ui.treeText() : ui.treeText(&ui.get(a.positional()[0].asString()));
  interp.output().write(text);
  return mel::Value(text);
}

mel::Value simWindows(mel::Interpreter& interp, Ui& ui, const mel::Args& args) {
  mel::CommandArgs a("simWindows", mel::kNoFlags, args);
  if (!a.positional().empty()) throw mel::Error("simWindows: Takes no arguments.");
  std::vector<std::string> names;
  for (const auto& w : ui.windows()) {
    names.push_back(w->name());
    interp.output().write(w->name() + "\n");
  }
  return mel::Value(names);
}

}  // namespace

void registerSimCommands(mel::Interpreter& interp, Ui& ui) {
  using Fn = mel::Value (*)(mel::Interpreter&, Ui&, const mel::Args&);
  const std::pair<const char*, Fn> commands[] = {
      {"simPress", simPress}, {"simSetValue", simSetValue}, {"simEnter", simEnter},
      {"simUI", simUI},       {"simWindows", simWindows},
  };
  for (const auto& [name, fn] : commands) {
    interp.registerCommand(name, [&ui, fn = fn](mel::Interpreter& in, const mel::Args& args) {
      return fn(in, ui, args);
    });
  }
}

}  // namespace ui
