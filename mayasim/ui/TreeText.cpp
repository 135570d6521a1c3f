#include "ui/TreeText.h"

namespace ui {
namespace {

std::string quoted(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    if (c == '\n') {
      out += "\\n";
      continue;
    }
    out += c;
  }
  return out + "\"";
}

std::string number(const Control& c, const std::string& prop) {
  return mel::Value(c.propFloat(prop)).toString();  // as MEL prints it
}

std::string columnWidths(const Control& row) {
  std::vector<int> widths = row.prop("columnWidth").asIntArray();
  std::string out;
  for (std::size_t i = 0; i < widths.size(); ++i) out += (i ? "," : "") + std::to_string(widths[i]);
  return out;
}

std::string details(const Control& c) {
  switch (c.kind()) {
    case Kind::Window: {
      std::string out = " " + quoted(c.propString("title"));
      if (c.propInt("width") || c.propInt("height"))
        out += " " + std::to_string(c.propInt("width")) + "x" + std::to_string(c.propInt("height"));
      return out + (c.propInt("visible") ? " visible" : " hidden");
    }
    case Kind::ColumnLayout:
      return c.propInt("adjustableColumn") ? " adjustable" : "";
    case Kind::RowLayout: {
      std::string out = " columns=" + std::to_string(c.propInt("numberOfColumns"));
      if (c.propInt("adjustableColumn"))
        out += " adjustable=" + std::to_string(c.propInt("adjustableColumn"));
      if (c.hasStoredProp("columnWidth")) out += " widths=" + columnWidths(c);
      return out;
    }
    case Kind::FrameLayout:
      return " " + quoted(c.propString("label")) + (c.propInt("collapsable") ? " collapsable" : "");
    case Kind::Text:
      return " " + quoted(c.propString("label"));
    case Kind::TextField:
      return " " + quoted(c.propString("text")) + (c.propInt("editable") ? "" : " readonly");
    case Kind::Button:
      return " " + quoted(c.propString("label")) + (c.propInt("actOnPress") ? " actOnPress" : "");
    case Kind::FloatSlider:
    case Kind::IntSlider:
      return " value=" + number(c, "value") + " [" + number(c, "minValue") + ".." +
             number(c, "maxValue") + "] step=" + number(c, "step");
  }
  return "";
}

void appendTree(const Control& c, int depth, std::string& out) {
  out.append(std::size_t(depth) * 2, ' ');
  out += describe(c);
  out += '\n';
  for (const auto& child : c.children()) appendTree(*child, depth + 1, out);
}

}  // namespace

std::string describe(const Control& c) {
  std::string line = std::string(kindName(c.kind())) + " " + c.name() + details(c);
  if (c.kind() != Kind::Window) {
    if (!c.propInt("enable")) line += " disabled";
    if (!c.propInt("visible")) line += " hidden";
  }
  return line;
}

std::string treeText(const Control& root) {
  std::string out;
  appendTree(root, 0, out);
  return out;
}

}  // namespace ui
