// String functions: strlen, substring, case, tokenize, gmatch, strip,
// startsWith/endsWith, substituteAllString, stringToStringArray.
#include <algorithm>
#include <cctype>

#include "mel/BuiltinSupport.h"
#include "mel/lib/Glob.h"
#include "mel/lib/LibraryParts.h"

namespace mel::lib {

using detail::expectArgs;

namespace {

std::vector<std::string> split(const std::string& s, const std::string& separators) {
  std::vector<std::string> out;
  std::string current;
  for (char c : s) {
    if (separators.find(c) != std::string::npos) {
      if (!current.empty()) out.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) out.push_back(std::move(current));
  return out;
}

Value strlenCommand(Interpreter&, const Args& a) {
  expectArgs("strlen", a, 1);
  return Value(static_cast<int>(a[0].asString().size()));
}

// substring(s, first, last): 1-based and inclusive, clamped to the string.
Value substringCommand(Interpreter&, const Args& a) {
  expectArgs("substring", a, 3);
  std::string s = a[0].asString();
  long long first = std::max(1, a[1].asInt());
  long long last = std::min<long long>(a[2].asInt(), static_cast<long long>(s.size()));
  if (last < first) return Value("");
  return Value(
      s.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1)));
}

CommandFn changeCase(const char* name, int (*f)(int)) {
  return [name, f](Interpreter&, const Args& a) {
    expectArgs(name, a, 1);
    std::string s = a[0].asString();
    for (char& c : s) c = static_cast<char>(f(static_cast<unsigned char>(c)));
    return Value(s);
  };
}

// tokenize(s, array) or tokenize(s, separators, array): fills the array
// (the caller's variable) and returns the number of tokens.
Value tokenizeCommand(Interpreter& in, const Args& a) {
  expectArgs("tokenize", a, 2, 3);
  std::string separators = a.size() == 3 ? a[1].asString() : " ";
  auto tokens = split(a[0].asString(), separators);
  int count = static_cast<int>(tokens.size());
  in.setOutArgument(a.size() - 1, Value(std::move(tokens)));
  return Value(count);
}

Value stringToStringArray(Interpreter&, const Args& a) {
  expectArgs("stringToStringArray", a, 2);
  return Value(split(a[0].asString(), a[1].asString()));
}

Value substituteAllString(Interpreter&, const Args& a) {
  expectArgs("substituteAllString", a, 3);
  std::string s = a[0].asString(), from = a[1].asString(), to = a[2].asString();
  if (from.empty()) return Value(s);
  std::string out;
  std::size_t pos = 0;
  for (std::size_t hit; (hit = s.find(from, pos)) != std::string::npos; pos = hit + from.size())
    out += s.substr(pos, hit - pos) + to;
  return Value(out + s.substr(pos));
}

Value gmatchCommand(Interpreter&, const Args& a) {
  expectArgs("gmatch", a, 2);
  return Value(globMatch(a[1].asString(), a[0].asString()) ? 1 : 0);
}

Value startsWith(Interpreter&, const Args& a) {
  expectArgs("startsWith", a, 2);
  std::string s = a[0].asString(), p = a[1].asString();
  return Value(s.compare(0, p.size(), p) == 0 && s.size() >= p.size() ? 1 : 0);
}

Value endsWith(Interpreter&, const Args& a) {
  expectArgs("endsWith", a, 2);
  std::string s = a[0].asString(), p = a[1].asString();
  return Value(s.size() >= p.size() && s.compare(s.size() - p.size(), p.size(), p) == 0 ? 1 : 0);
}

Value strip(Interpreter&, const Args& a) {
  expectArgs("strip", a, 1);
  std::string s = a[0].asString();
  const char* blanks = " \t\n\r\f\v";
  std::size_t b = s.find_first_not_of(blanks);
  if (b == std::string::npos) return Value("");
  return Value(s.substr(b, s.find_last_not_of(blanks) - b + 1));
}

}  // namespace

void registerStringCommands(Interpreter& interp) {
  interp.registerCommand("strlen", strlenCommand);
  interp.registerCommand("substring", substringCommand);
  interp.registerCommand("tolower", changeCase("tolower", [](int c) { return std::tolower(c); }));
  interp.registerCommand("toupper", changeCase("toupper", [](int c) { return std::toupper(c); }));
  interp.registerCommand("tokenize", tokenizeCommand);
  interp.registerCommand("stringToStringArray", stringToStringArray);
  interp.registerCommand("substituteAllString", substituteAllString);
  interp.registerCommand("gmatch", gmatchCommand);
  interp.registerCommand("startsWith", startsWith);
  interp.registerCommand("endsWith", endsWith);
  interp.registerCommand("strip", strip);
}

}  // namespace mel::lib
