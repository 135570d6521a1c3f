// Flag parsing for built-in commands: declare the flags, parse the Args.
//
//   static const std::vector<mel::FlagDecl> kFlags = {
//       {"n", "name", 1}, {"p", "parent", 1}, {"q", "query", 0}};
//   mel::CommandArgs a("createNode", kFlags, args);
//   if (a.has("name")) name = a.arg("name").asString();
//
// The words are read by the flag grammar (mel/FlagGrammar.h): in query mode
// every flag takes no argument, as in MEL: `textField -q -text tf1`.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "mel/FlagGrammar.h"
#include "mel/Value.h"

namespace mel {

// The table of a command that takes no flags.
extern const std::vector<FlagDecl> kNoFlags;

class CommandArgs {
 public:
  // Throws mel::Error with the first problem the grammar met:
  // "Invalid flag '-x'", "Flag '-x' must be passed 1 argument(s).",
  // "Flag '-x' can only be used once.".
  // The flag values are read in place: `flags` (a command's static table)
  // and `args` must outlive this object.
  CommandArgs(const std::string& command, const std::vector<FlagDecl>& flags, const Args& args);
  CommandArgs(const std::string&, std::vector<FlagDecl>&&, const Args&) = delete;
  CommandArgs(const std::string&, const std::vector<FlagDecl>&, Args&&) = delete;

  bool has(std::string_view longName) const;
  // Argument i of the flag's first use; throws mel::Error when absent.
  const Value& arg(std::string_view longName, int i = 0) const;
  // Every use of a multi-use flag, each with its arguments.
  std::vector<std::vector<Value>> uses(std::string_view longName) const;
  // What is not a flag or a flag's argument, in order (object names...).
  const Args& positional() const { return positional_; }

  bool query() const { return query_; }
  bool edit() const { return has("edit"); }

 private:
  bool named(const FlagUse& u, std::string_view longName) const {
    return decls_[u.decl].longName == longName;
  }
  const FlagUse* firstUse(std::string_view longName) const;

  std::string command_;
  const std::vector<FlagDecl>& decls_;
  const Args& words_;
  std::vector<FlagUse> uses_;  // in the order given
  // A bit for each long name given, by its length and first letter: most
  // names a command asks about were not given and are refused by it alone.
  std::uint64_t givenMask_ = 0;
  Args positional_;
  bool query_ = false;
};

// Common conversions for flag values, with MEL's error text on failure.
bool toBool(const Value& v);  // true/false/on/off/yes/no/1/0

}  // namespace mel
