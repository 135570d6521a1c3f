#include "ui/Control.h"

#include <utility>

namespace ui {

Control::Control(Kind kind, std::string name, Control* parent)
    : kind_(kind), name_(std::move(name)), parent_(parent) {}

std::string Control::path() const { return parent_ ? parent_->path() + "|" + name_ : name_; }

const Control& Control::window() const { return parent_ ? parent_->window() : *this; }

bool Control::isWithin(const Control& root) const {
  for (const Control* c = this; c; c = c->parent_)
    if (c == &root) return true;
  return false;
}

mel::Value Control::prop(const std::string& longName) const {
  auto it = props_.find(longName);
  if (it != props_.end()) return it->second;
  if (const PropDef* def = findProp(kind_, longName))
    return def->defaultIsName ? mel::Value(name_) : def->defaultValue;
  return mel::Value();
}

void Control::setProp(const std::string& longName, mel::Value value) {
  props_[longName] = std::move(value);
}

bool Control::hasStoredProp(const std::string& longName) const {
  return props_.count(longName) != 0;
}

}  // namespace ui
