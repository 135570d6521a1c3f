#include "mel/CommandArgs.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "mel/Error.h"

namespace mel {

namespace {

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

}  // namespace

CommandArgs::CommandArgs(const std::string& command, const std::vector<FlagDecl>& flags,
                         const Args& args)
    : command_(command) {
  FlagLine line = readFlags(flags, args);
  if (!line.problems.empty()) throw Error(line.problems.front());
  flags_.reserve(line.uses.size());
  for (FlagUse& use : line.uses)
    flags_.emplace_back(flags[use.decl].longName, std::move(use.values));
  positional_ = std::move(line.positional);
  query_ = line.query;
}

bool CommandArgs::has(std::string_view longName) const {
  return std::any_of(flags_.begin(), flags_.end(),
                     [&](const auto& f) { return f.first == longName; });
}

const Value& CommandArgs::arg(std::string_view longName, int i) const {
  for (const auto& [name, values] : flags_) {
    if (name != longName) continue;
    if (i < 0 || static_cast<std::size_t>(i) >= values.size()) break;
    return values[static_cast<std::size_t>(i)];
  }
  throw Error(command_ + ": flag '-" + std::string(longName) + "' has no value.");
}

std::vector<std::vector<Value>> CommandArgs::uses(std::string_view longName) const {
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
