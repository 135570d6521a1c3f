// Gathers typed lines until they form whole MEL statements: braces and
// parentheses balance, no block comment or continued string is open, and the
// text ends in ';' or '}' (so a proc header may put its '{' on the next
// line). An `else` on the line after an if's closing brace is not joined to
// it; write `} else {`.
#pragma once

#include <string>

namespace mayasim::app {

class StatementBuffer {
 public:
  // Appends one line (without its newline).
  void addLine(const std::string& line);

  // True when the text gathered so far can be run as it is.
  bool complete() const;
  bool empty() const { return text_.find_first_not_of(" \t\r\n") == std::string::npos; }

  // The gathered text; the buffer starts over.
  std::string take();

 private:
  void scan(const std::string& line);

  std::string text_;
  int depth_ = 0;  // open '{' and '(' not yet closed
  bool inBlockComment_ = false;
  bool inString_ = false;  // only across a line that ends in '\'
  char last_ = '\0';       // last character outside comments ('\0': none yet)
};

}  // namespace mayasim::app
