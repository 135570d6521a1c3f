#include "ui/Kinds.h"

#include "mel/CommandArgs.h"

namespace ui {
namespace {

using P = PropType;

// Properties every control (not a window) has.
std::vector<PropDef> withCommon(std::vector<PropDef> own) {
  own.push_back({"ann", "annotation", P::String, mel::Value("")});
  own.push_back({"en", "enable", P::Bool, mel::Value(1)});
  own.push_back({"vis", "visible", P::Bool, mel::Value(1)});
  own.push_back({"w", "width", P::Int, mel::Value(0)});
  own.push_back({"h", "height", P::Int, mel::Value(0)});
  return own;
}

// Ranges and steps of the two sliders; the int slider keeps ints.
std::vector<PropDef> sliderProps(bool isFloat) {
  auto num = [isFloat](double v) { return isFloat ? mel::Value(v) : mel::Value(int(v)); };
  P type = isFloat ? P::Float : P::Int;
  return withCommon({
      {"min", "minValue", type, num(0)},
      {"max", "maxValue", type, num(100)},
      {"v", "value", type, num(0)},
      {"s", "step", type, isFloat ? mel::Value(0.01) : mel::Value(1)},
      {"hr", "horizontal", P::Bool, mel::Value(1)},
      {"cc", "changeCommand", P::String, mel::Value("")},
      {"dc", "dragCommand", P::String, mel::Value("")},
  });
}

const std::vector<PropDef>& table(Kind kind) {
  static const std::vector<PropDef> window = {
      {"t", "title", P::String, mel::Value(""), true},
      {"in", "iconName", P::String, mel::Value(""), true},
      {"vis", "visible", P::Bool, mel::Value(0)},
      {"w", "width", P::Int, mel::Value(0)},
      {"h", "height", P::Int, mel::Value(0)},
      {"rtf", "resizeToFitChildren", P::Bool, mel::Value(0)},
  };
  static const std::vector<PropDef> columnLayout = withCommon({
      {"adj", "adjustableColumn", P::Bool, mel::Value(0)},
      {"rs", "rowSpacing", P::Int, mel::Value(0)},
      {"cw", "columnWidth", P::Int, mel::Value(0)},
  });
  static const std::vector<PropDef> rowLayout = withCommon({
      {"nc", "numberOfColumns", P::Int, mel::Value(1)},
      {"adj", "adjustableColumn", P::Int, mel::Value(0)},
  });
  static const std::vector<PropDef> frameLayout = withCommon({
      {"l", "label", P::String, mel::Value(""), true},
      {"la", "labelAlign", P::String, mel::Value("left")},
      {"bs", "borderStyle", P::String, mel::Value("in")},
      {"cll", "collapsable", P::Bool, mel::Value(0)},
      {"cl", "collapse", P::Bool, mel::Value(0)},
  });
  static const std::vector<PropDef> text = withCommon({
      {"l", "label", P::String, mel::Value(""), true},
      {"al", "align", P::String, mel::Value("center")},
  });
  static const std::vector<PropDef> textField = withCommon({
      {"tx", "text", P::String, mel::Value("")},
      {"ed", "editable", P::Bool, mel::Value(1)},
      {"cc", "changeCommand", P::String, mel::Value("")},
      {"ec", "enterCommand", P::String, mel::Value("")},
  });
  static const std::vector<PropDef> button = withCommon({
      {"l", "label", P::String, mel::Value(""), true},
      {"c", "command", P::String, mel::Value("")},
      {"aop", "actOnPress", P::Bool, mel::Value(0)},
  });
  static const std::vector<PropDef> floatSlider = sliderProps(true);
  static const std::vector<PropDef> intSlider = sliderProps(false);

  switch (kind) {
    case Kind::Window:
      return window;
    case Kind::ColumnLayout:
      return columnLayout;
    case Kind::RowLayout:
      return rowLayout;
    case Kind::FrameLayout:
      return frameLayout;
    case Kind::Text:
      return text;
    case Kind::TextField:
      return textField;
    case Kind::Button:
      return button;
    case Kind::FloatSlider:
      return floatSlider;
    case Kind::IntSlider:
      return intSlider;
  }
  return text;  // not reached
}

}  // namespace

const char* kindName(Kind kind) {
  switch (kind) {
    case Kind::Window:
      return "window";
    case Kind::ColumnLayout:
      return "columnLayout";
    case Kind::RowLayout:
      return "rowLayout";
    case Kind::FrameLayout:
      return "frameLayout";
    case Kind::Text:
      return "text";
    case Kind::TextField:
      return "textField";
    case Kind::Button:
      return "button";
    case Kind::FloatSlider:
      return "floatSlider";
    case Kind::IntSlider:
      return "intSlider";
  }
  return "control";
}

bool isLayout(Kind kind) {
  return kind == Kind::ColumnLayout || kind == Kind::RowLayout || kind == Kind::FrameLayout;
}

bool holdsChildren(Kind kind) { return kind == Kind::Window || isLayout(kind); }

const std::vector<PropDef>& propDefs(Kind kind) { return table(kind); }

const PropDef* findProp(Kind kind, const std::string& longName) {
  for (const PropDef& p : table(kind))
    if (p.longName == longName) return &p;
  return nullptr;
}

mel::Value convertProp(const PropDef& def, const mel::Value& given) {
  switch (def.type) {
    case PropType::Bool:
      return mel::Value(mel::toBool(given) ? 1 : 0);
    case PropType::Int:
      return mel::Value(given.asInt());
    case PropType::Float:
      return mel::Value(given.asFloat());
    case PropType::String:
      return mel::Value(given.asString());
  }
  return given;
}

}  // namespace ui
