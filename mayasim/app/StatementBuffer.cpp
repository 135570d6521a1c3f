#include "StatementBuffer.h"

#include <utility>

namespace mayasim::app {

void StatementBuffer::addLine(const std::string& line) {
  text_ += line;
  text_ += '\n';
  scan(line);
}

bool StatementBuffer::complete() const {
  return depth_ <= 0 && !inBlockComment_ && !inString_ &&
         (last_ == ';' || last_ == '}' || last_ == '\0');
}

std::string StatementBuffer::take() {
  depth_ = 0;
  inBlockComment_ = false;
  inString_ = false;
  last_ = '\0';
  return std::exchange(text_, std::string());
}

void StatementBuffer::scan(const std::string& line) {
  const std::size_t n = line.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char c = line[i];
    const char next = i + 1 < n ? line[i + 1] : '\0';
    if (!inBlockComment_ && !inString_ && c != ' ' && c != '\t' && c != '\r' &&
        !(c == '/' && (next == '/' || next == '*'))) {
      last_ = c;
    }
    if (inBlockComment_) {
      if (c == '*' && next == '/') {
        inBlockComment_ = false;
        ++i;
      }
    } else if (inString_) {
      if (c == '\\') {
        if (next == '\0') return;  // continued on the next line
        ++i;
      } else if (c == '"') {
        inString_ = false;
      }
    } else if (c == '"') {
      inString_ = true;
    } else if (c == '/' && next == '/') {
      break;
    } else if (c == '/' && next == '*') {
      inBlockComment_ = true;
      ++i;
    } else if (c == '{' || c == '(') {
      ++depth_;
    } else if (c == '}' || c == ')') {
      --depth_;
    }
  }
  // A string left open without a continuation is a mistake the parser
  // reports; it must not swallow the lines that follow.
  if (inString_) {
    inString_ = false;
    last_ = '\0';
  }
}

}  // namespace mayasim::app
