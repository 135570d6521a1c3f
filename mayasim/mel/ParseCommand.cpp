// Command syntax: `name -flag value word 3 $var ("expr")`. Unquoted words are
// strings, numbers are numbers; $variables, (expressions), {arrays},
// <<vectors>> and `backquotes` are evaluated. Arguments end at ';', at a
// closing ')' or '}', or at the closing backquote of a backquoted command.
#include <algorithm>

#include "mel/ParserImpl.h"

namespace mel::detail {

namespace {

bool isSpaceChar(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Tokens that may follow `name(...)` when that is a function call.
bool endsFunctionCall(TokenKind k) {
  switch (k) {
    case TokenKind::Semicolon:
    case TokenKind::RBrace:
    case TokenKind::RParen:
    case TokenKind::End:
    case TokenKind::Comma:
    case TokenKind::Plus:
    case TokenKind::Minus:
    case TokenKind::Star:
    case TokenKind::Slash:
    case TokenKind::Percent:
    case TokenKind::Caret:
    case TokenKind::Eq:
    case TokenKind::NotEq:
    case TokenKind::Less:
    case TokenKind::LessEq:
    case TokenKind::Greater:
    case TokenKind::GreaterEq:
    case TokenKind::AndAnd:
    case TokenKind::OrOr:
    case TokenKind::Question:
    case TokenKind::Colon:
    case TokenKind::RBracket:
      return true;
    default:
      return false;
  }
}

}  // namespace

ExprPtr Parser::command(bool inBackquote) {
  Token name = cur_;
  lex_.seek(name.end);
  lex_.skipSpace();
  if (lex_.peekChar() == '(' && looksLikeFunctionCall(inBackquote)) {
    lex_.seek(name.start);
    advance();
    return inBackquote ? postfix() : expression();
  }
  auto call = node<CallExpr>(name);
  call->name = name.text();
  lex_.seek(name.end);
  commandArguments(*call, inBackquote);
  advance();  // back to expression tokens where the arguments stopped
  return call;
}

// With the lexer at '(' after a command name: is this `name(args)` rather
// than a command whose first argument is a parenthesised expression, as in
// `setAttr ($node + ".tx") 2`? A call is followed by the end of the
// statement or by an operator; a command by more arguments.
bool Parser::looksLikeFunctionCall(bool inBackquote) {
  Position start = lex_.position();
  int depth = 0;
  bool call = true;
  for (;;) {
    Token t = lex_.next();
    if (t.kind == TokenKind::End || t.kind == TokenKind::Semicolon)
      break;  // let the call report it
    if (t.kind == TokenKind::LParen) ++depth;
    if (t.kind == TokenKind::Comma && depth == 1) break;  // several arguments: a call
    if (t.kind != TokenKind::RParen || --depth > 0) continue;
    Token after = lex_.next();
    if (inBackquote && after.kind == TokenKind::Backquote) break;
    call = endsFunctionCall(after.kind);
    // `cmd (expr) -5` and `cmd (expr) -flag`: a dash glued to what follows,
    // after a blank, starts another argument.
    if (after.kind == TokenKind::Minus) {
      lex_.seek(after.end);
      char next = lex_.peekChar();
      lex_.seek(after.start);
      bool blankBefore = after.start.offset > t.end.offset;
      if (blankBefore && next != '\0' && !isSpaceChar(next)) call = false;
    }
    break;
  }
  lex_.seek(start);
  return call;
}

void Parser::commandArguments(CallExpr& call, bool inBackquote) {
  int height = 0;
  call.args.reserve(8);  // a typical command line, in one allocation
  for (;;) {
    lex_.skipSpace();
    if (lex_.atEnd()) break;
    char c = lex_.peekChar();
    if (c == ';' || c == '}' || c == ')') break;
    if (c == '`' && inBackquote) break;
    ExprPtr arg;
    if (c == '"' || c == '$' || c == '(' || c == '{' || c == '`' ||
        (c == '<' && lex_.peekChar(1) == '<')) {
      arg = commandArgumentExpression(c);
    } else {
      Token w = lex_.word();
      auto lit = node<LiteralExpr>(w);
      auto number = numberFromText(w.text());
      lit->value = number ? *number : Value(std::string(w.text()));
      arg = std::move(lit);
    }
    height = std::max(height, arg->height);
    call.args.push_back(std::move(arg));
  }
  call.height = height + 1;
}

// An argument that is read as an expression; leaves the lexer just after it.
ExprPtr Parser::commandArgumentExpression(char first) {
  advance();
  if (first == '$') {
    Token at = cur_;
    if (!check(TokenKind::Variable)) fail(cur_);
    // $a[1] only when the bracket touches the name; `$a [1]` is two arguments.
    if (lex_.peekChar() != '[') {
      auto v = node<VariableExpr>(at);
      v->name = cur_.text();
      return v;  // the lexer already stands just past the variable
    }
  }
  ExprPtr e = first == '$' ? variable() : primary();
  lex_.seek(cur_.start);
  return e;
}

}  // namespace mel::detail
