#include "mel/CommandArgs.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string_view>

namespace mel {

namespace {

// "-name" or "-n": a string that starts with a dash and a letter. "-5" and
// a lone "-" are values.
bool looksLikeFlag(const Value& v) {
  if (!v.isString()) return false;
  const std::string& s = v.asString();
  return s.size() >= 2 && s[0] == '-' && std::isalpha(static_cast<unsigned char>(s[1]));
}

const FlagDecl* findFlag(const std::vector<FlagDecl>& flags, std::string_view name) {
  for (const FlagDecl& f : flags)
    if (f.shortName == name || f.longName == name) return &f;
  return nullptr;
}

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

}  // namespace

CommandArgs::CommandArgs(const std::string& command, const std::vector<FlagDecl>& flags,
                         const Args& args)
    : command_(command) {
  // Query mode is known before any flag is read: `-q` may come last.
  bool queryMode = false;
  if (const FlagDecl* q = findFlag(flags, "query"); q && q->longName == "query") {
    for (const Value& v : args)
      if (looksLikeFlag(v) && findFlag(flags, std::string_view(v.asString()).substr(1)) == q)
        queryMode = true;
  }

  for (std::size_t i = 0; i < args.size(); ++i) {
    const Value& v = args[i];
    if (!looksLikeFlag(v)) {
      positional_.push_back(v);
      continue;
    }
    const std::string& written = v.asString();
    const FlagDecl* flag = findFlag(flags, std::string_view(written).substr(1));
    if (!flag) throw Error("Invalid flag '" + written + "'");
    if (!flag->multiUse && has(flag->longName))
      throw Error("Flag '" + written + "' can only be used once.");
    int count = queryMode ? 0 : flag->argCount;
    if (static_cast<std::size_t>(count) > args.size() - i - 1)
      throw Error("Flag '" + written + "' must be passed " + std::to_string(count) +
                  " argument(s).");
    std::vector<Value> values(
        args.begin() + static_cast<std::ptrdiff_t>(i + 1),
        args.begin() + static_cast<std::ptrdiff_t>(i + 1 + static_cast<std::size_t>(count)));
    i += static_cast<std::size_t>(count);
    flags_.emplace_back(flag->longName, std::move(values));
  }
}

bool CommandArgs::has(const std::string& longName) const {
  return std::any_of(flags_.begin(), flags_.end(),
                     [&](const auto& f) { return f.first == longName; });
}

const Value& CommandArgs::arg(const std::string& longName, int i) const {
  for (const auto& [name, values] : flags_) {
    if (name != longName) continue;
    if (i < 0 || static_cast<std::size_t>(i) >= values.size()) break;
    return values[static_cast<std::size_t>(i)];
  }
  throw Error(command_ + ": flag '-" + longName + "' has no value.");
}

std::vector<std::vector<Value>> CommandArgs::uses(const std::string& longName) const {
  std::vector<std::vector<Value>> out;
  for (const auto& [name, values] : flags_)
    if (name == longName) out.push_back(values);
  return out;
}

bool toBool(const Value& v) {
  if (v.isNumber()) return v.asFloat() != 0.0;
  if (v.isString()) {
    std::string s = lower(v.asString());
    if (s == "true" || s == "on" || s == "yes") return true;
    if (s == "false" || s == "off" || s == "no" || s.empty()) return false;
    char* end = nullptr;
    double d = std::strtod(s.c_str(), &end);
    if (end != s.c_str() && *end == '\0') return d != 0.0;
  }
  throw Error("Invalid boolean value '" + v.toString() + "'.");
}

}  // namespace mel
