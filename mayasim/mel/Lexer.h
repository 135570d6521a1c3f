// MEL tokens. The lexer has two modes, chosen by the parser: expression
// tokens (next) and the blank-separated words of command syntax (word).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace mel {

enum class TokenKind {
  End,
  Error,  // Error: text holds the message
  Ident,
  Variable,  // Variable text keeps the '$'
  Int,
  Float,
  String,  // Int/Float: the literal text; String: unescaped
  Plus,
  Minus,
  Star,
  Slash,
  Percent,
  Caret,
  PlusPlus,
  MinusMinus,
  Assign,
  PlusAssign,
  MinusAssign,
  StarAssign,
  SlashAssign,
  Eq,
  NotEq,
  Less,
  LessEq,
  Greater,
  GreaterEq,
  AndAnd,
  OrOr,
  Not,
  Question,
  Colon,
  Semicolon,
  Comma,
  Dot,
  LParen,
  RParen,
  LBrace,
  RBrace,
  LBracket,
  RBracket,
  VectorOpen,
  VectorClose,  // << >>
  Backquote,
};

struct Position {
  std::size_t offset = 0;
  int line = 1;
  int column = 1;
};

// A token's text is a view into the source (or, for an error, into the
// message's literal); only a string literal with escapes holds its own
// unescaped copy, so copying a token is cheap.
class Token {
 public:
  TokenKind kind = TokenKind::End;
  Position start;
  Position end;  // just past the token

  std::string_view text() const { return ownsText_ ? std::string_view(own_) : view_; }
  void setText(std::string_view view) {
    view_ = view;
    ownsText_ = false;
  }
  void setOwnText(std::string text) {
    own_ = std::move(text);
    ownsText_ = true;
  }

 private:
  std::string_view view_;
  std::string own_;
  bool ownsText_ = false;
};

class Lexer {
 public:
  explicit Lexer(std::string_view source) : src_(source) {}

  // The next expression token; never throws (bad input gives TokenKind::Error).
  Token next();

  // Command-syntax helpers: skip blanks and comments, look at raw characters,
  // and read one unquoted word (up to a blank or one of ; ` " ( ) { }).
  void skipSpace();
  char peekChar(std::size_t ahead = 0) const;
  bool atEnd() const { return pos_.offset >= src_.size(); }
  Token word();

  Position position() const { return pos_; }
  void seek(const Position& p) { pos_ = p; }

  // The text of source line `line` (1-based), for messages.
  std::string_view lineText(int line) const;

 private:
  char advance();
  // Moves to offset `to` over characters that hold no newline.
  void advanceWithinLine(std::size_t to);
  Token make(TokenKind kind, const Position& start, std::string_view text = {}) const;
  Token number(const Position& start);
  Token string(const Position& start);
  Token identifier(const Position& start);

  std::string_view src_;
  Position pos_;
};

// True for an identifier that starts a language construct.
bool isKeyword(std::string_view word);

}  // namespace mel
