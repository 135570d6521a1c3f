// Regular-expression functions: match and substitute. POSIX extended
// expressions cover MEL's . * + ? ^ $ [] and groups, and the C library's
// matcher does not recurse per character, so long strings are safe.
#include <regex.h>

#include "mel/BuiltinSupport.h"
#include "mel/lib/LibraryParts.h"

namespace mel::lib {

using detail::expectArgs;

namespace {

class Regex {
 public:
  explicit Regex(const std::string& pattern) {
    if (regcomp(&re_, pattern.c_str(), REG_EXTENDED) != 0)
      throw Error("Invalid regular expression: \"" + pattern + "\"");
  }
  ~Regex() { regfree(&re_); }
  Regex(const Regex&) = delete;
  Regex& operator=(const Regex&) = delete;

  // The first match in s as [begin, end), or false.
  bool search(const std::string& s, std::size_t& begin, std::size_t& end) const {
    regmatch_t m[1];
    if (regexec(&re_, s.c_str(), 1, m, 0) != 0) return false;
    begin = static_cast<std::size_t>(m[0].rm_so);
    end = static_cast<std::size_t>(m[0].rm_eo);
    return true;
  }

 private:
  regex_t re_{};
};

// match(regex, s): the first matching part of s, or "".
Value matchCommand(Interpreter&, const Args& a) {
  expectArgs("match", a, 2);
  Regex re(a[0].asString());
  std::string s = a[1].asString();
  std::size_t b = 0, e = 0;
  return Value(re.search(s, b, e) ? s.substr(b, e - b) : std::string());
}

// substitute(regex, s, replacement): replaces the first match, literally.
Value substituteCommand(Interpreter&, const Args& a) {
  expectArgs("substitute", a, 3);
  Regex re(a[0].asString());
  std::string s = a[1].asString();
  std::size_t b = 0, e = 0;
  if (!re.search(s, b, e)) return Value(s);
  return Value(s.substr(0, b) + a[2].asString() + s.substr(e));
}

}  // namespace

void registerRegexCommands(Interpreter& interp) {
  interp.registerCommand("match", matchCommand);
  interp.registerCommand("substitute", substituteCommand);
}

}  // namespace mel::lib
