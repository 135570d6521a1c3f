#include "mel/lib/Glob.h"

namespace mel {

namespace {

// Matches the class starting at pattern[p] ('[') against c; sets `end` to
// the index after the closing ']'. An unclosed '[' is a literal.
bool matchClass(std::string_view pattern, std::size_t p, char c, std::size_t& end) {
  std::size_t i = p + 1;
  bool negate = i < pattern.size() && (pattern[i] == '!' || pattern[i] == '^');
  if (negate) ++i;
  bool matched = false;
  bool first = true;
  while (i < pattern.size() && (pattern[i] != ']' || first)) {
    first = false;
    char lo = pattern[i];
    if (i + 2 < pattern.size() && pattern[i + 1] == '-' && pattern[i + 2] != ']') {
      char hi = pattern[i + 2];
      if (lo <= c && c <= hi) matched = true;
      i += 3;
    } else {
      if (lo == c) matched = true;
      ++i;
    }
  }
  if (i >= pattern.size()) {  // no closing bracket
    end = p + 1;
    return c == '[';
  }
  end = i + 1;
  return matched != negate;
}

}  // namespace

bool globMatch(std::string_view pattern, std::string_view text) {
  std::size_t p = 0, t = 0;
  std::size_t starP = std::string_view::npos, starT = 0;
  while (t < text.size()) {
    if (p < pattern.size()) {
      char pc = pattern[p];
      if (pc == '*') {
        starP = ++p;
        starT = t;
        continue;
      }
      std::size_t next = p + 1;
      bool ok = false;
      if (pc == '?') {
        ok = true;
      } else if (pc == '[') {
        ok = matchClass(pattern, p, text[t], next);
      } else if (pc == '\\' && p + 1 < pattern.size()) {
        ok = pattern[p + 1] == text[t];
        next = p + 2;
      } else {
        ok = pc == text[t];
      }
      if (ok) {
        p = next;
        ++t;
        continue;
      }
    }
    if (starP == std::string_view::npos) return false;
    p = starP;  // let the last '*' swallow one more character
    t = ++starT;
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace mel
