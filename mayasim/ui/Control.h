// One UI object: a window, a layout or a control. Controls form a tree under
// their window; the tree is owned by ui::Ui, which alone creates and deletes
// them, so a Control& stays valid until Ui deletes it.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "mel/Value.h"
#include "ui/Kinds.h"

namespace ui {

class Control {
 public:
  Control(Kind kind, std::string name, Control* parent);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Kind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  Control* parent() const { return parent_; }
  const std::vector<std::unique_ptr<Control>>& children() const { return children_; }

  // "win|columnLayout1|button1": the names from the window down.
  std::string path() const;
  // The window this control lives in (itself for a window).
  const Control& window() const;
  // True when this is `root` or lies below it.
  bool isWithin(const Control& root) const;

  // A property by long flag name: the stored value, else the kind's default.
  // A name the kind does not list reads as the int 0 unless it was stored.
  mel::Value prop(const std::string& longName) const;
  void setProp(const std::string& longName, mel::Value value);
  bool hasStoredProp(const std::string& longName) const;

  // Shorthands for the common property types.
  std::string propString(const std::string& longName) const { return prop(longName).asString(); }
  double propFloat(const std::string& longName) const { return prop(longName).asFloat(); }
  int propInt(const std::string& longName) const { return prop(longName).asInt(); }

 private:
  friend class Ui;

  Kind kind_;
  std::string name_;
  Control* parent_;
  std::vector<std::unique_ptr<Control>> children_;
  std::map<std::string, mel::Value> props_;
};

}  // namespace ui
