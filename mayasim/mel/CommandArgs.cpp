#include "mel/CommandArgs.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdlib>
#include <utility>

#include "mel/Error.h"

namespace mel {

namespace {

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::uint64_t maskBit(std::string_view name) {
  const unsigned first = name.empty() ? 0U : static_cast<unsigned char>(name[0]);
  return std::uint64_t{1} << ((name.size() + first * 5) % 64);
}

}  // namespace

const std::vector<FlagDecl> kNoFlags;

CommandArgs::CommandArgs(const std::string& command, const std::vector<FlagDecl>& flags,
                         const Args& args)
    : command_(command), decls_(flags), words_(args) {
  FlagLine line = readFlags(flags, args);
  if (!line.problems.empty()) throw Error(line.problems.front());
  uses_ = std::move(line.uses);
  for (const FlagUse& u : uses_) givenMask_ |= maskBit(flags[u.decl].longName);
  positional_ = std::move(line.positional);
  query_ = line.query;
}

const FlagUse* CommandArgs::firstUse(std::string_view longName) const {
  if ((givenMask_ & maskBit(longName)) == 0) return nullptr;
  for (const FlagUse& u : uses_)
    if (named(u, longName)) return &u;
  return nullptr;
}

bool CommandArgs::has(std::string_view longName) const { return firstUse(longName) != nullptr; }

const Value& CommandArgs::arg(std::string_view longName, int i) const {
  const FlagUse* u = firstUse(longName);
  if (u && i >= 0 && static_cast<std::size_t>(i) < u->count)
    return words_[u->firstValue() + static_cast<std::size_t>(i)];
  throw Error(command_ + ": flag '-" + std::string(longName) + "' has no value.");
}

std::vector<std::vector<Value>> CommandArgs::uses(std::string_view longName) const {
  std::vector<std::vector<Value>> out;
  for (const FlagUse& u : uses_) {
    if (!named(u, longName)) continue;
    const auto first = words_.begin() + static_cast<std::ptrdiff_t>(u.firstValue());
    out.emplace_back(first, first + static_cast<std::ptrdiff_t>(u.count));
  }
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
