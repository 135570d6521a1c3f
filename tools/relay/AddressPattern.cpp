#include "AddressPattern.h"

#include <algorithm>
#include <stdexcept>

namespace zubrelay {

namespace {

using Element = AddressPattern::Element;

[[noreturn]] void refuse(const std::string& pattern, const std::string& why) {
  throw std::invalid_argument("bad address pattern \"" + pattern + "\": " + why);
}

void appendLiteral(std::vector<Element>& elements, char c) {
  if (elements.empty() || elements.back().kind != Element::Kind::Literal) {
    elements.push_back(Element{Element::Kind::Literal, {}, {}, false, {}});
  }
  elements.back().literal += c;
}

// `[...]` from just after the `[`; returns the index after the `]`.
std::size_t parseSet(const std::string& part, std::size_t at, Element& set) {
  set.kind = Element::Kind::Set;
  if (at < part.size() && part[at] == '!') {
    set.negated = true;
    ++at;
  }
  for (; at < part.size() && part[at] != ']'; ++at) {
    const char low = part[at];
    // A `-` first or last in the set stands for itself.
    if (at + 2 < part.size() && part[at + 1] == '-' && part[at + 2] != ']') {
      const char high = part[at + 2];
      if (static_cast<unsigned char>(high) < static_cast<unsigned char>(low)) {
        throw std::invalid_argument(std::string("the range ") + low + "-" + high +
                                    " runs backwards");
      }
      set.ranges += low;
      set.ranges += high;
      at += 2;
    } else {
      set.ranges += low;
      set.ranges += low;
    }
  }
  if (at >= part.size()) throw std::invalid_argument("a [ without its ]");
  if (set.ranges.empty()) throw std::invalid_argument("an empty [ ]");
  return at + 1;
}

// `{...}` from just after the `{`; returns the index after the `}`.
std::size_t parseChoice(const std::string& part, std::size_t at, Element& choice) {
  choice.kind = Element::Kind::Choice;
  std::string option;
  for (; at < part.size() && part[at] != '}'; ++at) {
    const char c = part[at];
    if (c == ',') {
      choice.options.push_back(option);
      option.clear();
    } else if (c == '{' || c == '[' || c == ']' || c == '*' || c == '?') {
      throw std::invalid_argument(std::string("'") + c + "' inside { }");
    } else {
      option += c;
    }
  }
  if (at >= part.size()) throw std::invalid_argument("a { without its }");
  choice.options.push_back(option);
  return at + 1;
}

std::vector<Element> parsePart(const std::string& part) {
  std::vector<Element> elements;
  for (std::size_t at = 0; at < part.size();) {
    const char c = part[at];
    if (c == '?' || c == '*') {
      // Runs of `*` mean the same as one.
      const auto kind = c == '?' ? Element::Kind::AnyChar : Element::Kind::AnyRun;
      if (kind == Element::Kind::AnyChar || elements.empty() || elements.back().kind != kind) {
        elements.push_back(Element{kind, {}, {}, false, {}});
      }
      ++at;
    } else if (c == '[' || c == '{') {
      Element element{Element::Kind::Literal, {}, {}, false, {}};
      at = c == '[' ? parseSet(part, at + 1, element) : parseChoice(part, at + 1, element);
      elements.push_back(element);
    } else if (c == ']' || c == '}' || c == ' ' || c == '#') {
      throw std::invalid_argument(std::string("a stray '") + c + "'");
    } else {
      appendLiteral(elements, c);
      ++at;
    }
  }
  return elements;
}

std::vector<std::string_view> splitParts(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 1;  // after the leading `/`
  for (;;) {
    const std::size_t slash = text.find('/', start);
    if (slash == std::string_view::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, slash - start));
    start = slash + 1;
  }
}

bool inSet(const Element& set, char c) {
  const auto u = static_cast<unsigned char>(c);
  bool found = false;
  for (std::size_t i = 0; i + 1 < set.ranges.size() && !found; i += 2) {
    found = static_cast<unsigned char>(set.ranges[i]) <= u &&
            u <= static_cast<unsigned char>(set.ranges[i + 1]);
  }
  return found != set.negated;
}

// Walks the elements once, keeping the set of text positions reachable so far,
// so backtracking over `*` never multiplies the work.
bool matchPart(const std::vector<Element>& elements, std::string_view text) {
  const std::size_t n = text.size();
  std::vector<char> reach(n + 1, 0);
  reach[0] = 1;
  std::vector<char> next(n + 1);
  for (const Element& e : elements) {
    std::fill(next.begin(), next.end(), 0);
    for (std::size_t p = 0; p <= n; ++p) {
      if (!reach[p]) continue;
      switch (e.kind) {
        case Element::Kind::Literal:
          if (text.substr(p, e.literal.size()) == e.literal) next[p + e.literal.size()] = 1;
          break;
        case Element::Kind::AnyChar:
          if (p < n) next[p + 1] = 1;
          break;
        case Element::Kind::Set:
          if (p < n && inSet(e, text[p])) next[p + 1] = 1;
          break;
        case Element::Kind::Choice:
          for (const std::string& option : e.options) {
            if (text.substr(p, option.size()) == option) next[p + option.size()] = 1;
          }
          break;
        case Element::Kind::AnyRun:
          std::fill(next.begin() + static_cast<std::ptrdiff_t>(p), next.end(), 1);
          p = n;  // every later position is reached already
          break;
      }
    }
    if (std::find(next.begin(), next.end(), 1) == next.end()) return false;
    reach.swap(next);
  }
  return reach[n] != 0;
}

}  // namespace

AddressPattern::AddressPattern(const std::string& pattern) : text_(pattern) {
  if (pattern.empty() || pattern[0] != '/') refuse(pattern, "it must start with /");
  try {
    for (const std::string_view part : splitParts(pattern))
      parts_.push_back(parsePart(std::string(part)));
  } catch (const std::invalid_argument& e) {
    refuse(pattern, e.what());
  }
}

bool AddressPattern::matches(std::string_view address) const {
  if (address.empty() || address[0] != '/') return false;
  const std::vector<std::string_view> parts = splitParts(address);
  if (parts.size() != parts_.size()) return false;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (!matchPart(parts_[i], parts[i])) return false;
  }
  return true;
}

}  // namespace zubrelay
