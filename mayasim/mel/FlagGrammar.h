// How a command's words divide into flags, their values and the rest. The
// built-in commands (CommandArgs) and the plug-in commands (MArgParser) read
// their words through this one grammar:
//  - a flag is a string word of a dash and a letter: "-n", "-name". "-5" and
//    a lone "-" are values;
//  - a flag matches a declaration by its short or its long name;
//  - a flag takes as many of the following words as its declaration says,
//    whatever they look like, except in query mode, where flags take none;
//  - query mode is on when the flag whose long name is "query" appears
//    anywhere among the words (`-q` may come last);
//  - what is neither a flag nor a flag's value is positional (objects...).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mel/Value.h"

namespace mel {

struct FlagDecl {
  std::string shortName;     // without the dash
  std::string longName;      // without the dash
  std::size_t argCount = 0;  // values that follow the flag outside query mode
  bool multiUse = false;     // may be given several times
};

// The flag word's name without its dash, or nothing when `word` is a value.
std::optional<std::string_view> flagName(const Value& word);

// A flag given on the line; its values are the `count` words after it.
struct FlagUse {
  std::size_t decl;   // index into the declarations
  std::size_t word;   // index of the flag word
  std::size_t count;  // values that followed it
  std::size_t firstValue() const { return word + 1; }
};

struct FlagLine {
  std::vector<FlagUse> uses;  // in the order given
  Args positional;
  bool query = false;
  // What the words got wrong, as MEL's messages ("Invalid flag '-x'"), in
  // the order met. Reading goes on after one, so that what could be read
  // stays readable.
  std::vector<std::string> problems;
};

FlagLine readFlags(const std::vector<FlagDecl>& decls, const Args& words);

}  // namespace mel
