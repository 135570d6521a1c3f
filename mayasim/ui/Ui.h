// mayasim's headless user interface: the open windows with their layouts and
// controls, the current parent that new controls go into, and the MEL
// commands that build, edit, query and delete them.
//
// Nothing is drawn. Controls keep their names, parents and values, and their
// stored MEL (-command, -changeCommand...) runs when a host-only `sim`
// command acts as the user:
//   simPress NAME                  runs a button's -command
//   simSetValue [-drag] NAME VALUE sets a slider's value (held to its range,
//                                  as a user cannot drag past the ends) or a
//                                  text field's text, then runs its
//                                  -changeCommand (-dragCommand with -drag)
//   simEnter NAME [TEXT]           types TEXT into a text field (running its
//                                  -changeCommand), then runs -enterCommand
//   simUI [NAME]                   prints and returns the tree of all windows,
//                                  or of one window or control
//   simWindows                     prints and returns the open windows' names
// The act commands return 1 when the stored MEL ran cleanly and 0 when it
// failed; its error is printed by the interpreter and the calling script goes
// on, as a failing button callback does not stop the host.
//
// Choices where Maya's behaviour is not pinned down:
//   - a slider's -value outside -min/-max is stored and shown as given;
//   - a frameLayout holds one child; adding a second is an error, while a
//     rowLayout takes more children than columns with a warning;
//   - `button -exists x` and the like are true only for a control of that kind;
//   - a short name shared by several controls resolves to the one in the
//     current parent's window, else it is an error.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "mel/Interpreter.h"
#include "ui/Control.h"
#include "ui/Kinds.h"

namespace ui {

class Ui {
 public:
  Ui();
  ~Ui();
  Ui(const Ui&) = delete;
  Ui& operator=(const Ui&) = delete;

  // ---- Building. A refusal throws mel::Error with the text MEL prints and
  // changes nothing.

  // A new, hidden window that becomes the current parent. An empty name gives
  // "window<N>". Throws "Object's name 'X' is not unique." when a window of
  // that name is open, and for a name that is not a valid identifier.
  Control& createWindow(const std::string& name);

  // A layout or control under `parent`, or under the current parent when
  // `parent` is null. An empty name gives "<command><N>" from a counter per
  // kind that keeps growing for the session. A new layout becomes the current
  // parent. Throws when there is no window, when a non-layout control would go
  // straight into a window, when a frameLayout already holds its child, and
  // when a sibling has the name.
  Control& createControl(Kind kind, const std::string& name, Control* parent = nullptr);

  // Deletes a window, layout or control with everything under it. A current
  // parent inside it moves to the deleted object's parent (none for a window).
  void deleteControl(Control& control);

  // Closes every window; the naming counters keep running.
  void clear();

  // ---- Finding. `name` is a short name, a full path ("win|col1|b1") or the
  // tail of one ("col1|b1").

  // nullptr when nothing matches. Throws "More than one object matches name:
  // X" when several do and the current window does not settle it.
  Control* find(std::string_view name) const;
  Control* find(std::string_view name, Kind kind) const;  // only that kind
  // As find(), but throws "Object 'X' not found." when nothing matches and
  // "Object 'X' is not a <kind>." when only other kinds do.
  Control& get(std::string_view name) const;
  Control& get(std::string_view name, Kind kind) const;

  // ---- The current parent (setParent).

  Control* currentParent() const { return current_; }
  // `parent` must be a window or a layout (or null for none).
  void setCurrentParent(Control* parent);
  // One level up; throws "setParent: Already at top level." from a window or
  // when there is no current parent.
  Control& parentUp();

  // Open windows in creation order.
  const std::vector<std::unique_ptr<Control>>& windows() const { return windows_; }
  // The most recently created window still open, or nullptr.
  Control* lastWindow() const;

  // The text tree of every window (root null) or of one control, one line per
  // object, two spaces of indent per level:
  //   window zubHiderWindow "zubTool - example 001" 350x200 visible
  //     columnLayout columnLayout1 adjustable
  //       button btnHider "Select an object and click here" actOnPress
  //       floatSlider radiusSlider value=0 [0..10] step=0.1
  std::string treeText(const Control* root = nullptr) const;

  // ---- Shorthands for tests and the host; they throw like get().
  std::string text(std::string_view textField) const;
  std::string label(std::string_view control) const;  // button, text, frameLayout
  double value(std::string_view slider) const;        // floatSlider or intSlider

 private:
  std::vector<Control*> matches(std::string_view name) const;
  Control* pick(std::string_view name, const std::vector<Control*>& found) const;
  // The one control a plain short name names, or nullptr when the name is a
  // path or more than one control (or none) has it.
  Control* onlyOneNamed(std::string_view name) const;
  std::string newName(Kind kind);
  bool nameInUse(const std::string& name) const;

  void forget(const Control& control);  // drops it and everything below from the index

  std::vector<std::unique_ptr<Control>> windows_;
  // Every open object by its short name.
  std::multimap<std::string, Control*, std::less<>> byName_;
  Control* current_ = nullptr;
  std::map<Kind, int> counters_;
};

// Registers every UI command and the `sim` commands above. Both objects must
// outlive the registered commands.
void registerUiCommands(mel::Interpreter& interp, Ui& ui);

}  // namespace ui
