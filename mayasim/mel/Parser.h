// MEL source text to a syntax tree.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "mel/Ast.h"
#include "mel/Error.h"

namespace mel {

// A fault found while parsing: "Syntax error", "Unterminated string." ...
// with the row and column where it was found.
class ParseError : public Error {
 public:
  ParseError(const std::string& message, int line, int column, bool showColumn = true)
      : Error(message), line_(line), column_(column), showColumn_(showColumn) {}

  int line() const { return line_; }
  int column() const { return column_; }
  // Syntax faults name the column ("line 3.7: Syntax error"); faults of
  // meaning name the line only ("line 3: This procedure has no return value.").
  bool showColumn() const { return showColumn_; }
  const std::string& sourceName() const { return sourceName_; }
  void setSourceName(std::string name) { sourceName_ = std::move(name); }

 private:
  int line_;
  int column_;
  bool showColumn_;
  std::string sourceName_;
};

// Parses a whole script. Throws ParseError (with `sourceName` set) on the
// first fault; never crashes on malformed input.
std::unique_ptr<Script> parseScript(std::string_view source, std::string_view sourceName);

}  // namespace mel
