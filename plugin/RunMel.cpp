#include "plugin/RunMel.h"

#include <maya/MGlobal.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace zub {

namespace {

constexpr std::string_view kNeedsEscape = "\\\"\n\r\t";

// The MEL escape that stands for one of the characters in kNeedsEscape.
std::string_view escapeFor(char c) {
  switch (c) {
    case '\\':
      return "\\\\";
    case '"':
      return "\\\"";
    case '\n':
      return "\\n";
    case '\r':
      return "\\r";
    default:
      return "\\t";
  }
}

}  // namespace

MStatus runMel(const MString& text) {
  return MGlobal::executeCommand(text, /*displayEnabled=*/false, /*undoEnabled=*/false);
}

MString melQuote(const MString& text) {
  const std::string_view raw(text.asChar(), text.length());
  std::string quoted;
  quoted.reserve(raw.size() + 2);
  quoted += '"';
  std::size_t plainFrom = 0;
  for (std::size_t at = raw.find_first_of(kNeedsEscape); at != std::string_view::npos;
       at = raw.find_first_of(kNeedsEscape, at + 1)) {
    quoted.append(raw, plainFrom, at - plainFrom);
    quoted += escapeFor(raw[at]);
    plainFrom = at + 1;
  }
  quoted.append(raw, plainFrom, std::string_view::npos);
  quoted += '"';
  return MString(quoted.c_str(), static_cast<int>(quoted.size()));
}

}  // namespace zub
