// One command per kind, all driven by the kind's property table:
//   create:  button -label "Go" -command "print 1" btnGo;   returns the full path
//   edit:    button -edit -label "Stop" btnGo;   (flags in any order)
//   query:   button -query -label btnGo;
//   exists:  button -exists btnGo;               1 or 0
#include <string>
#include <vector>

#include "mel/CommandArgs.h"
#include "ui/UiCommands.h"

namespace ui {
namespace {

constexpr int kMaxColumnWidthN = 6;  // rowLayout -columnWidth1 .. -columnWidth6

std::string columnWidthN(int n) { return "columnWidth" + std::to_string(n); }

std::vector<mel::FlagDecl> buildFlags(Kind kind) {
  std::vector<mel::FlagDecl> flags = {{"ex", "exists", 0}, {"q", "query", 0}, {"e", "edit", 0}};
  for (const PropDef& p : propDefs(kind)) flags.push_back({p.shortName, p.longName, 1});
  if (kind == Kind::Window) {
    flags.push_back({"wh", "widthHeight", 2});
  } else {
    flags.push_back({"p", "parent", 1});
  }
  if (isLayout(kind)) {
    flags.push_back({"ca", "childArray", 0});
    flags.push_back({"nch", "numberOfChildren", 0});
  }
  if (kind == Kind::RowLayout) {
    flags.push_back({"cw", "columnWidth", 2, true});
    for (int n = 1; n <= kMaxColumnWidthN; ++n)
      flags.push_back({"cw" + std::to_string(n), columnWidthN(n), static_cast<std::size_t>(n)});
  }
  return flags;
}

const std::vector<mel::FlagDecl>& flagsOf(Kind kind) {
  static const std::vector<mel::FlagDecl> tables[] = {
      buildFlags(Kind::Window),      buildFlags(Kind::ColumnLayout), buildFlags(Kind::RowLayout),
      buildFlags(Kind::FrameLayout), buildFlags(Kind::Text),         buildFlags(Kind::TextField),
      buildFlags(Kind::Button),      buildFlags(Kind::FloatSlider),  buildFlags(Kind::IntSlider),
  };
  return tables[static_cast<int>(kind)];
}

// A property change read from the flags, applied once all flags are known to
// be good so that a refused command changes nothing.
struct Change {
  std::string prop;
  mel::Value value;
};

void checkBorderStyle(const mel::Value& v) {
  const std::string s = v.asString();
  if (s != "in" && s != "out" && s != "etchedIn" && s != "etchedOut")
    throw mel::Error("Invalid border style '" + s + "'. Use in, out, etchedIn or etchedOut.");
}

std::vector<Change> readChanges(Kind kind, const mel::CommandArgs& a) {
  for (const char* queryOnly : {"childArray", "numberOfChildren"})
    if (a.has(queryOnly))
      throw mel::Error("Flag '-" + std::string(queryOnly) + "' can only be queried.");

  std::vector<Change> changes;
  for (const PropDef& p : propDefs(kind)) {
    if (!a.has(p.longName)) continue;
    if (p.longName == "borderStyle") checkBorderStyle(a.arg(p.longName));
    changes.push_back({p.longName, convertProp(p, a.arg(p.longName))});
  }
  if (a.has("widthHeight")) {
    changes.push_back({"width", mel::Value(a.arg("widthHeight", 0).asInt())});
    changes.push_back({"height", mel::Value(a.arg("widthHeight", 1).asInt())});
  }
  if (kind != Kind::RowLayout) return changes;

  // Column widths come after -numberOfColumns, which they depend on.
  for (const auto& use : a.uses("columnWidth")) {
    int column = use.at(0).asInt();
    if (column < 1)
      throw mel::Error("Column index " + std::to_string(column) + " is out of range.");
    changes.push_back({"columnWidth", mel::Value(std::vector<int>{column, use.at(1).asInt()})});
  }
  for (int n = 1; n <= kMaxColumnWidthN; ++n) {
    if (!a.has(columnWidthN(n))) continue;
    std::vector<int> widths;
    for (int i = 0; i < n; ++i) widths.push_back(a.arg(columnWidthN(n), i).asInt());
    changes.push_back({columnWidthN(n), mel::Value(widths)});
  }
  return changes;
}

std::vector<int> columnWidths(const Control& row) {
  std::vector<int> widths =
      row.hasStoredProp("columnWidth") ? row.prop("columnWidth").asIntArray() : std::vector<int>{};
  const int columns = row.propInt("numberOfColumns");
  if (columns > 0 && widths.size() < std::size_t(columns)) widths.resize(std::size_t(columns), 0);
  return widths;
}

void applyChanges(Control& c, const std::vector<Change>& changes) {
  for (const Change& ch : changes) {
    if (ch.prop == "columnWidth") {
      std::vector<int> pair = ch.value.asIntArray();
      std::vector<int> widths = columnWidths(c);
      if (widths.size() < std::size_t(pair[0])) widths.resize(std::size_t(pair[0]), 0);
      widths[std::size_t(pair[0] - 1)] = pair[1];
      c.setProp("columnWidth", mel::Value(widths));
    } else if (ch.prop.rfind("columnWidth", 0) == 0) {
      // -columnWidthN counts only on a row of exactly N columns.
      std::vector<int> given = ch.value.asIntArray();
      if (c.propInt("numberOfColumns") != int(given.size())) continue;
      std::vector<int> widths = columnWidths(c);
      std::copy(given.begin(), given.end(), widths.begin());
      c.setProp("columnWidth", mel::Value(widths));
    } else {
      c.setProp(ch.prop, ch.value);
    }
  }
}

mel::Value queryFlag(const Control& c, const mel::CommandArgs& a) {
  for (const mel::FlagDecl& f : flagsOf(c.kind())) {
    const std::string& flag = f.longName;
    if (flag == "query" || flag == "edit" || flag == "exists" || !a.has(flag)) continue;
    if (findProp(c.kind(), flag)) return c.prop(flag);
    if (flag == "parent") return mel::Value(c.parent()->path());
    if (flag == "widthHeight")
      return mel::Value(std::vector<int>{c.propInt("width"), c.propInt("height")});
    if (flag == "numberOfChildren") return mel::Value(int(c.children().size()));
    if (flag == "childArray") {
      std::vector<std::string> names;
      for (const auto& child : c.children()) names.push_back(child->name());
      return mel::Value(names);
    }
    if (flag.rfind("columnWidth", 0) == 0) return mel::Value(columnWidths(c));
  }
  throw mel::Error(std::string(kindName(c.kind())) + ": No flag given to query.");
}

bool exists(const Ui& ui, const std::string& name, Kind kind) {
  try {
    return ui.find(name, kind) != nullptr;
  } catch (const mel::Error&) {
    return true;  // several controls of that kind share the name
  }
}

mel::Value runControlCommand(mel::Interpreter& interp, Ui& ui, Kind kind, const mel::Args& args) {
  const std::string command = kindName(kind);
  mel::CommandArgs a(command, flagsOf(kind), args);
  if (a.positional().size() > 1)
    throw mel::Error(command + ": Too many arguments. Give one object name.");
  const std::string name = a.positional().empty() ? "" : a.positional()[0].asString();

  if (a.has("exists") || a.query() || a.edit()) {
    if (name.empty()) throw mel::Error(command + ": No object name given.");
    if (a.has("exists")) return mel::Value(exists(ui, name, kind) ? 1 : 0);
    Control& target = ui.get(name, kind);
    if (a.query()) return queryFlag(target, a);
    if (a.has("parent")) throw mel::Error("Flag '-parent' cannot be edited.");
    applyChanges(target, readChanges(kind, a));
    return mel::Value();
  }

  std::vector<Change> changes = readChanges(kind, a);
  Control* parent = a.has("parent") ? &ui.get(a.arg("parent").asString()) : nullptr;
  Control& made = ui.createControl(kind, name, parent);
  applyChanges(made, changes);

  const Control* holder = made.parent();
  if (holder && holder->kind() == Kind::RowLayout &&
      int(holder->children().size()) > holder->propInt("numberOfColumns"))
    interp.output().warning("Too many children in layout: " + holder->name());
  return mel::Value(made.path());
}

}  // namespace

void registerControlCommands(mel::Interpreter& interp, Ui& ui) {
  for (Kind kind :
       {Kind::Window, Kind::ColumnLayout, Kind::RowLayout, Kind::FrameLayout, Kind::Text,
        Kind::TextField, Kind::Button, Kind::FloatSlider, Kind::IntSlider}) {
    interp.registerCommand(kindName(kind),
                           [&ui, kind](mel::Interpreter& in, const mel::Args& args) {
                             return runControlCommand(in, ui, kind, args);
                           });
  }
}

}  // namespace ui
