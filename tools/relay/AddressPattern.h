// OSC 1.0 address patterns, matched against the addresses of incoming
// messages: `?` one character, `*` any run of characters, `[abc]`, `[a-z]`
// and `[!a-z]` one character of (or not of) a set, `{foo,bar}` one of several
// texts. No pattern character matches across a `/`.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zubrelay {

class AddressPattern {
 public:
  // Throws std::invalid_argument naming what is wrong with the pattern.
  explicit AddressPattern(const std::string& pattern);

  // Runs in time bounded by the sizes of pattern and address, whatever the
  // address holds.
  bool matches(std::string_view address) const;

  const std::string& text() const { return text_; }

  struct Element {
    enum class Kind { Literal, AnyChar, AnyRun, Set, Choice };
    Kind kind;
    std::string literal;               // Literal
    std::string ranges;                // Set: pairs of first and last character
    bool negated = false;              // Set
    std::vector<std::string> options;  // Choice
  };

 private:
  std::string text_;
  std::vector<std::vector<Element>> parts_;  // one element list per `/` part
};

}  // namespace zubrelay
