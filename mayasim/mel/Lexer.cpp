#include "mel/Lexer.h"

#include <array>
#include <cctype>

namespace mel {

namespace {

// ASCII only, whatever the locale: MEL names are ASCII.
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isIdentStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool isIdentChar(char c) { return isIdentStart(c) || isDigit(c); }
bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// Characters that end an unquoted command word.
bool endsWord(char c) {
  return isSpace(c) || c == ';' || c == '`' || c == '"' || c == '(' || c == ')' || c == '{' ||
         c == '}' || c == '\0';
}

constexpr std::array<std::string_view, 20> kKeywords = {
    "if",   "else",    "while",  "do",       "for",    "in",   "switch",
    "case", "default", "break",  "continue", "return", "proc", "global",
    "int",  "float",   "string", "vector",   "matrix", "catch"};

}  // namespace

bool isKeyword(std::string_view word) {
  for (std::string_view k : kKeywords)
    if (k == word) return true;
  return word == "catchQuiet";
}

char Lexer::peekChar(std::size_t ahead) const {
  std::size_t i = pos_.offset + ahead;
  return i < src_.size() ? src_[i] : '\0';
}

char Lexer::advance() {
  char c = src_[pos_.offset++];
  if (c == '\n') {
    ++pos_.line;
    pos_.column = 1;
  } else {
    ++pos_.column;
  }
  return c;
}

void Lexer::skipSpace() {
  while (!atEnd()) {
    char c = peekChar();
    if (isSpace(c)) {
      advance();
    } else if (c == '/' && peekChar(1) == '/') {
      while (!atEnd() && peekChar() != '\n') advance();
    } else if (c == '/' && peekChar(1) == '*') {
      advance();
      advance();
      while (!atEnd() && !(peekChar() == '*' && peekChar(1) == '/')) advance();
      if (!atEnd()) {
        advance();
        advance();
      }
    } else {
      return;
    }
  }
}

Token Lexer::make(TokenKind kind, const Position& start, std::string_view text) const {
  Token t;
  t.kind = kind;
  t.setText(text);
  t.start = start;
  t.end = pos_;
  return t;
}

Token Lexer::next() {
  skipSpace();
  Position start = pos_;
  if (atEnd()) return make(TokenKind::End, start);
  char c = peekChar();
  if (isDigit(c) || (c == '.' && isDigit(peekChar(1)))) return number(start);
  if (isIdentStart(c)) return identifier(start);
  if (c == '"') return string(start);
  if (c == '$') {
    advance();
    if (!isIdentStart(peekChar())) return make(TokenKind::Error, start, "Syntax error");
    Token t = identifier(start);
    t.kind = TokenKind::Variable;
    t.setText(src_.substr(start.offset, pos_.offset - start.offset));  // with its '$'
    return t;
  }
  advance();
  auto two = [&](char second, TokenKind ifTwo, TokenKind ifOne) {
    if (peekChar() == second) {
      advance();
      return make(ifTwo, start);
    }
    return make(ifOne, start);
  };
  switch (c) {
    case '+':
      if (peekChar() == '+') return two('+', TokenKind::PlusPlus, TokenKind::Plus);
      return two('=', TokenKind::PlusAssign, TokenKind::Plus);
    case '-':
      if (peekChar() == '-') return two('-', TokenKind::MinusMinus, TokenKind::Minus);
      return two('=', TokenKind::MinusAssign, TokenKind::Minus);
    case '*':
      return two('=', TokenKind::StarAssign, TokenKind::Star);
    case '/':
      return two('=', TokenKind::SlashAssign, TokenKind::Slash);
    case '%':
      return make(TokenKind::Percent, start);
    case '^':
      return make(TokenKind::Caret, start);
    case '=':
      return two('=', TokenKind::Eq, TokenKind::Assign);
    case '!':
      return two('=', TokenKind::NotEq, TokenKind::Not);
    case '<':
      if (peekChar() == '<') return two('<', TokenKind::VectorOpen, TokenKind::Less);
      return two('=', TokenKind::LessEq, TokenKind::Less);
    case '>':
      if (peekChar() == '>') return two('>', TokenKind::VectorClose, TokenKind::Greater);
      return two('=', TokenKind::GreaterEq, TokenKind::Greater);
    case '&':
      if (peekChar() == '&') return two('&', TokenKind::AndAnd, TokenKind::Error);
      break;
    case '|':
      if (peekChar() == '|') return two('|', TokenKind::OrOr, TokenKind::Error);
      break;
    case '?':
      return make(TokenKind::Question, start);
    case ':':
      return make(TokenKind::Colon, start);
    case ';':
      return make(TokenKind::Semicolon, start);
    case ',':
      return make(TokenKind::Comma, start);
    case '.':
      return make(TokenKind::Dot, start);
    case '(':
      return make(TokenKind::LParen, start);
    case ')':
      return make(TokenKind::RParen, start);
    case '{':
      return make(TokenKind::LBrace, start);
    case '}':
      return make(TokenKind::RBrace, start);
    case '[':
      return make(TokenKind::LBracket, start);
    case ']':
      return make(TokenKind::RBracket, start);
    case '`':
      return make(TokenKind::Backquote, start);
    default:
      break;
  }
  return make(TokenKind::Error, start, "Syntax error");
}

Token Lexer::number(const Position& start) {
  if (peekChar() == '0' && (peekChar(1) == 'x' || peekChar(1) == 'X') &&
      std::isxdigit(static_cast<unsigned char>(peekChar(2)))) {
    advance();
    advance();
    while (std::isxdigit(static_cast<unsigned char>(peekChar()))) advance();
    return make(TokenKind::Int, start, src_.substr(start.offset, pos_.offset - start.offset));
  }
  bool isFloat = false;
  while (isDigit(peekChar())) advance();
  if (peekChar() == '.' && peekChar(1) != '.') {
    isFloat = true;
    advance();
    while (isDigit(peekChar())) advance();
  }
  char e = peekChar();
  if ((e == 'e' || e == 'E') &&
      (isDigit(peekChar(1)) ||
       ((peekChar(1) == '+' || peekChar(1) == '-') && isDigit(peekChar(2))))) {
    isFloat = true;
    advance();
    if (peekChar() == '+' || peekChar() == '-') advance();
    while (isDigit(peekChar())) advance();
  }
  return make(isFloat ? TokenKind::Float : TokenKind::Int, start,
              src_.substr(start.offset, pos_.offset - start.offset));
}

Token Lexer::string(const Position& start) {
  advance();  // opening quote
  // Without escapes the token is a view of the source between the quotes.
  const std::size_t from = pos_.offset;
  std::size_t to = from;
  while (to < src_.size() && src_[to] != '"' && src_[to] != '\\' && src_[to] != '\n') ++to;
  advanceWithinLine(to);
  if (to < src_.size() && src_[to] == '"') {
    advance();
    return make(TokenKind::String, start, src_.substr(from, to - from));
  }
  std::string text(src_.substr(from, to - from));
  while (true) {
    if (atEnd() || peekChar() == '\n') return make(TokenKind::Error, start, "Unterminated string.");
    char c = advance();
    if (c == '"') break;
    if (c != '\\') {
      text += c;
      continue;
    }
    if (atEnd()) return make(TokenKind::Error, start, "Unterminated string.");
    char esc = advance();
    switch (esc) {
      case 'n':
        text += '\n';
        break;
      case 't':
        text += '\t';
        break;
      case 'r':
        text += '\r';
        break;
      case '\n':
        break;  // line continuation
      case '\r':
        if (peekChar() == '\n') advance();
        break;
      default:
        text += esc;
        break;  // \" \\ and anything else: the character itself
    }
  }
  Token t = make(TokenKind::String, start);
  t.setOwnText(std::move(text));
  return t;
}

void Lexer::advanceWithinLine(std::size_t to) {
  pos_.column += static_cast<int>(to - pos_.offset);
  pos_.offset = to;
}

Token Lexer::identifier(const Position& start) {
  const std::size_t from = pos_.offset;
  std::size_t to = from;
  while (to < src_.size() && isIdentChar(src_[to])) ++to;
  advanceWithinLine(to);
  return make(TokenKind::Ident, start, src_.substr(from, to - from));
}

Token Lexer::word() {
  const Position start = pos_;
  std::size_t to = pos_.offset;
  if (to < src_.size()) {
    if (src_[to] == '\n') {  // the one character taken whatever it is
      advance();
      return make(TokenKind::Ident, start, src_.substr(start.offset, 1));
    }
    ++to;
  }
  while (to < src_.size() && !endsWord(src_[to])) ++to;  // a word holds no newline
  advanceWithinLine(to);
  return make(TokenKind::Ident, start, src_.substr(start.offset, to - start.offset));
}

std::string_view Lexer::lineText(int line) const {
  std::size_t begin = 0;
  for (int l = 1; l < line; ++l) {
    begin = src_.find('\n', begin);
    if (begin == std::string_view::npos) return {};
    ++begin;
  }
  std::size_t end = src_.find('\n', begin);
  return src_.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin);
}

}  // namespace mel
