#include "ui/Ui.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <iterator>

#include "ui/TreeText.h"

namespace ui {
namespace {

bool validName(const std::string& name) {
  if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0]))) return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
  });
}

void requireValidName(const std::string& name) {
  if (!validName(name)) throw mel::Error("Invalid object name: '" + name + "'.");
}

void walk(const Control& c, const std::function<void(const Control&)>& visit) {
  visit(c);
  for (const auto& child : c.children()) walk(*child, visit);
}

bool endsWith(const std::string& s, std::string_view tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

Ui::Ui() = default;
Ui::~Ui() = default;

Control& Ui::createWindow(const std::string& name) {
  std::string actual = name;
  if (actual.empty()) {
    actual = newName(Kind::Window);
  } else {
    requireValidName(actual);
    for (const auto& w : windows_)
      if (w->name() == actual) throw mel::Error("Object's name '" + actual + "' is not unique.");
  }
  windows_.push_back(std::make_unique<Control>(Kind::Window, actual, nullptr));
  current_ = windows_.back().get();
  byName_.emplace(actual, current_);
  return *current_;
}

Control& Ui::createControl(Kind kind, const std::string& name, Control* parent) {
  if (kind == Kind::Window) return createWindow(name);
  if (!parent) parent = current_;
  if (!parent) throw mel::Error("No window or layout to add control to.");
  if (!holdsChildren(parent->kind()))
    throw mel::Error("Object '" + parent->name() + "' is not a layout.");
  if (parent->kind() == Kind::Window && !isLayout(kind))
    throw mel::Error("Controls must have a layout. No layout found in window: " + parent->name());
  if (parent->kind() == Kind::FrameLayout && !parent->children().empty())
    throw mel::Error("Too many children in layout: " + parent->name());

  std::string actual = name;
  if (actual.empty()) {
    actual = newName(kind);
  } else {
    requireValidName(actual);
    for (const auto& sibling : parent->children())
      if (sibling->name() == actual)
        throw mel::Error("Object's name '" + actual + "' is not unique.");
  }
  parent->children_.push_back(std::make_unique<Control>(kind, actual, parent));
  Control& made = *parent->children_.back();
  byName_.emplace(actual, &made);
  if (isLayout(kind)) current_ = &made;
  return made;
}

void Ui::forget(const Control& control) {
  walk(control, [this](const Control& c) {
    auto [from, to] = byName_.equal_range(c.name());
    for (auto it = from; it != to; ++it) {
      if (it->second == &c) {
        byName_.erase(it);
        break;
      }
    }
  });
}

void Ui::deleteControl(Control& control) {
  if (current_ && current_->isWithin(control)) current_ = control.parent();
  forget(control);
  auto& siblings = control.parent() ? control.parent()->children_ : windows_;
  siblings.erase(std::remove_if(siblings.begin(), siblings.end(),
                                [&](const auto& c) { return c.get() == &control; }),
                 siblings.end());
}

void Ui::clear() {
  byName_.clear();
  windows_.clear();
  current_ = nullptr;
}

std::vector<Control*> Ui::matches(std::string_view name) const {
  std::string_view wanted = name;
  if (!wanted.empty() && wanted.front() == '|') wanted.remove_prefix(1);
  std::vector<Control*> found;
  if (wanted.empty()) return found;
  // A path ends in the short name of what it names.
  const std::size_t bar = wanted.rfind('|');
  const bool isPath = bar != std::string_view::npos;
  auto [from, to] = byName_.equal_range(isPath ? wanted.substr(bar + 1) : wanted);
  for (auto it = from; it != to; ++it) {
    if (isPath) {
      const std::string path = it->second->path();
      if (path != wanted &&
          !(endsWith(path, wanted) && path[path.size() - wanted.size() - 1] == '|'))
        continue;
    }
    found.push_back(it->second);
  }
  return found;
}

Control* Ui::pick(std::string_view name, const std::vector<Control*>& found) const {
  if (found.empty()) return nullptr;
  if (found.size() == 1) return found.front();
  if (current_) {
    const Control& here = current_->window();
    Control* only = nullptr;
    int count = 0;
    for (Control* c : found) {
      if (c->isWithin(here)) {
        only = c;
        ++count;
      }
    }
    if (count == 1) return only;
  }
  throw mel::Error("More than one object matches name: " + std::string(name));
}

Control* Ui::onlyOneNamed(std::string_view name) const {
  if (!name.empty() && name.front() == '|') name.remove_prefix(1);
  if (name.empty() || name.find('|') != std::string_view::npos) return nullptr;
  const auto it = byName_.lower_bound(name);
  if (it == byName_.end() || it->first != name) return nullptr;
  const auto next = std::next(it);
  if (next != byName_.end() && next->first == name) return nullptr;
  return it->second;
}

// A name only one control has is the common case, and needs no list.
Control* Ui::find(std::string_view name) const {
  if (Control* only = onlyOneNamed(name)) return only;
  return pick(name, matches(name));
}

Control* Ui::find(std::string_view name, Kind kind) const {
  if (Control* only = onlyOneNamed(name)) return only->kind() == kind ? only : nullptr;
  std::vector<Control*> found = matches(name);
  found.erase(std::remove_if(found.begin(), found.end(),
                             [kind](const Control* c) { return c->kind() != kind; }),
              found.end());
  return pick(name, found);
}

Control& Ui::get(std::string_view name) const {
  if (Control* c = find(name)) return *c;
  throw mel::Error("Object '" + std::string(name) + "' not found.");
}

Control& Ui::get(std::string_view name, Kind kind) const {
  if (Control* c = find(name, kind)) return *c;
  if (!matches(name).empty())
    throw mel::Error("Object '" + std::string(name) + "' is not a " + kindName(kind) + ".");
  throw mel::Error("Object '" + std::string(name) + "' not found.");
}

void Ui::setCurrentParent(Control* parent) {
  if (parent && !holdsChildren(parent->kind()))
    throw mel::Error("setParent: Object '" + parent->name() + "' is not a layout or window.");
  current_ = parent;
}

Control& Ui::parentUp() {
  if (!current_ || !current_->parent()) throw mel::Error("setParent: Already at top level.");
  current_ = current_->parent();
  return *current_;
}

Control* Ui::lastWindow() const { return windows_.empty() ? nullptr : windows_.back().get(); }

std::string Ui::treeText(const Control* root) const {
  if (root) return ui::treeText(*root);
  std::string out;
  for (const auto& w : windows_) out += ui::treeText(*w);
  return out;
}

std::string Ui::text(std::string_view textField) const {
  return get(textField, Kind::TextField).propString("text");
}

std::string Ui::label(std::string_view control) const {
  Control& c = get(control);
  if (!findProp(c.kind(), "label"))
    throw mel::Error("Object '" + std::string(control) + "' has no label.");
  return c.propString("label");
}

double Ui::value(std::string_view slider) const {
  Control& c = get(slider);
  if (c.kind() != Kind::FloatSlider && c.kind() != Kind::IntSlider)
    throw mel::Error("Object '" + std::string(slider) + "' is not a slider.");
  return c.propFloat("value");
}

bool Ui::nameInUse(const std::string& name) const { return byName_.count(name) > 0; }

std::string Ui::newName(Kind kind) {
  // Generated names are kept unique across the whole UI, so that a short
  // generated name always addresses exactly one control.
  std::string name;
  do {
    name = kindName(kind) + std::to_string(++counters_[kind]);
  } while (nameInUse(name));
  return name;
}

}  // namespace ui
