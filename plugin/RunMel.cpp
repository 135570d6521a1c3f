#include "plugin/RunMel.h"

#include <maya/MGlobal.h>

#include <string>

namespace zub {

MStatus runMel(const MString& text) {
  return MGlobal::executeCommand(text, /*displayEnabled=*/false, /*undoEnabled=*/false);
}

MString melQuote(const MString& text) {
  const char* chars = text.asChar();
  const std::string raw(chars, text.length());
  std::string quoted;
  quoted.reserve(raw.size() + 2);
  quoted += '"';
  for (const char c : raw) {
    switch (c) {
      case '\\':
        quoted += "\\\\";
        break;
      case '"':
        quoted += "\\\"";
        break;
      case '\n':
        quoted += "\\n";
        break;
      case '\r':
        quoted += "\\r";
        break;
      case '\t':
        quoted += "\\t";
        break;
      default:
        quoted += c;
        break;
    }
  }
  quoted += '"';
  return MString(quoted.c_str(), static_cast<int>(quoted.size()));
}

}  // namespace zub
