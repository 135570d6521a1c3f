#include "scene/Naming.h"

#include <cctype>

namespace scene {

namespace {
bool isNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::string legalName(std::string_view name) {
  std::size_t end = name.size();
  while (end > 0 && name[end - 1] == '#') --end;
  std::string out;
  out.reserve(name.size() + 1);
  for (std::size_t i = 0; i < end; ++i) out += isNameChar(name[i]) ? name[i] : '_';
  if (!out.empty() && isDigit(out[0])) out.insert(out.begin(), '_');
  if (out.empty() && end < name.size()) return {};  // only '#'
  out.append(name.substr(end));
  return out;
}

std::pair<std::string, std::string> splitTrailingDigits(std::string_view name) {
  std::size_t i = name.size();
  while (i > 0 && isDigit(name[i - 1])) --i;
  return {std::string(name.substr(0, i)), std::string(name.substr(i))};
}

std::string defaultBaseName(std::string_view typeName) {
  auto [base, digits] = splitTrailingDigits(typeName);
  return base.empty() ? std::string(typeName) : base;
}

bool globMatch(std::string_view pattern, std::string_view text) {
  std::size_t p = 0, t = 0, starP = std::string_view::npos, starT = 0;
  while (t < text.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == text[t])) {
      ++p;
      ++t;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starT = t;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      t = ++starT;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace scene
