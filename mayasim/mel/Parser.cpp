// Statements: blocks, declarations, control flow, procs, and the choice
// between an expression and a command at the start of a statement.
#include "mel/Parser.h"

#include "mel/ParserImpl.h"

namespace mel {

namespace detail {

namespace {

// Parser recursion (statements inside statements, parentheses inside
// parentheses) deeper than this is refused.
constexpr int kMaxNesting = 400;

bool isTypeWord(std::string_view w) {
  return w == "int" || w == "float" || w == "string" || w == "vector";
}

}  // namespace

Parser::Nest::Nest(Parser& p) : p_(p) {
  if (++p_.depth_ > kMaxNesting) {
    --p_.depth_;
    p_.failMeaning(p_.cur_, "Statements or expressions are nested too deeply.");
  }
}

Parser::Parser(std::string_view source) : lex_(source) { advance(); }

bool Parser::accept(TokenKind k) {
  if (!check(k)) return false;
  advance();
  return true;
}

void Parser::expect(TokenKind k) {
  if (!check(k)) fail(cur_);
  advance();
}

Token Parser::peekToken() {
  State s = save();
  advance();
  Token t = cur_;
  restore(std::move(s));
  return t;
}

void Parser::restore(State s) {
  lex_.seek(s.position);
  cur_ = std::move(s.current);
}

void Parser::fail(const Token& at) const {
  const std::string message(at.kind == TokenKind::Error ? at.text() : "Syntax error");
  throw ParseError(message, at.start.line, at.start.column);
}

void Parser::failMeaning(const Token& at, const std::string& message) const {
  throw ParseError(message, at.start.line, at.start.column, false);
}

std::optional<ValueType> Parser::typeName() const {
  if (cur_.kind != TokenKind::Ident) return std::nullopt;
  if (cur_.text() == "int") return ValueType::Int;
  if (cur_.text() == "float") return ValueType::Float;
  if (cur_.text() == "string") return ValueType::String;
  if (cur_.text() == "vector") return ValueType::Vector;
  return std::nullopt;
}

std::unique_ptr<Script> Parser::script() {
  auto s = std::make_unique<Script>();
  s->arena = arena_;
  while (!check(TokenKind::End)) s->statements.push_back(statement());
  return s;
}

StmtPtr Parser::statement() {
  Nest nest(*this);
  switch (cur_.kind) {
    case TokenKind::LBrace:
      return block();
    case TokenKind::Semicolon: {
      auto s = node<SimpleStmt>(cur_, StmtKind::Empty);
      advance();
      return s;
    }
    case TokenKind::Ident:
      break;
    default:
      return expressionStatement();
  }
  const std::string_view w = cur_.text();  // a view: each test below is a length check first
  if (w == "if") return ifStatement();
  if (w == "while") return whileStatement();
  if (w == "do") return doStatement();
  if (w == "for") return forStatement();
  if (w == "switch") return switchStatement();
  if (w == "break" || w == "continue") return jumpStatement();
  if (w == "return") return returnStatement();
  if (w == "global") return globalStatement();
  if (w == "proc") {
    Token start = cur_;
    return procDefinition(false, start);
  }
  if (isTypeWord(w)) {
    if (peekToken().kind == TokenKind::LParen) return expressionStatement();  // int($x);
    Token start = cur_;
    auto d = declaration(false, start);
    terminator();
    return d;
  }
  if (w == "catch" || w == "catchQuiet") return expressionStatement();
  if (isKeyword(w)) fail(cur_);  // else, case, in, matrix...
  return commandStatement();
}

void Parser::terminator() {
  if (accept(TokenKind::Semicolon)) return;
  // A missing ';' is forgiven before a closing brace or at the end.
  if (check(TokenKind::RBrace) || check(TokenKind::End)) return;
  fail(cur_);
}

StmtPtr Parser::block() {
  auto b = node<BlockStmt>(cur_);
  expect(TokenKind::LBrace);
  while (!check(TokenKind::RBrace)) {
    if (check(TokenKind::End)) fail(cur_);
    b->body.push_back(statement());
  }
  advance();
  return b;
}

StmtPtr Parser::ifStatement() {
  auto s = node<IfStmt>(cur_);
  advance();
  expect(TokenKind::LParen);
  s->condition = expression();
  expect(TokenKind::RParen);
  s->then = statement();
  if (checkWord("else")) {
    advance();
    s->otherwise = statement();
  }
  return s;
}

StmtPtr Parser::whileStatement() {
  auto s = node<WhileStmt>(cur_);
  advance();
  expect(TokenKind::LParen);
  s->condition = expression();
  expect(TokenKind::RParen);
  ++loopDepth_;
  s->body = statement();
  --loopDepth_;
  return s;
}

StmtPtr Parser::doStatement() {
  auto s = node<DoWhileStmt>(cur_);
  advance();
  ++loopDepth_;
  s->body = statement();
  --loopDepth_;
  if (!checkWord("while")) fail(cur_);
  advance();
  expect(TokenKind::LParen);
  s->condition = expression();
  expect(TokenKind::RParen);
  terminator();
  return s;
}

StmtPtr Parser::forStatement() {
  Token start = cur_;
  advance();
  expect(TokenKind::LParen);
  if (check(TokenKind::Variable) && peekToken().kind == TokenKind::Ident &&
      peekToken().text() == "in") {
    auto s = node<ForInStmt>(start);
    s->variable = cur_.text();
    advance();
    advance();  // in
    s->array = expression();
    expect(TokenKind::RParen);
    ++loopDepth_;
    s->body = statement();
    --loopDepth_;
    return s;
  }
  auto s = node<ForStmt>(start);
  if (!check(TokenKind::Semicolon)) {
    if (typeName()) {
      Token declStart = cur_;
      s->init.push_back(declaration(false, declStart));
    } else {
      do {
        auto e = node<ExprStmt>(cur_);
        e->expr = expression();
        s->init.push_back(std::move(e));
      } while (accept(TokenKind::Comma));
    }
  }
  expect(TokenKind::Semicolon);
  if (!check(TokenKind::Semicolon)) s->condition = expression();
  expect(TokenKind::Semicolon);
  if (!check(TokenKind::RParen)) {
    do s->step.push_back(expression());
    while (accept(TokenKind::Comma));
  }
  expect(TokenKind::RParen);
  ++loopDepth_;
  s->body = statement();
  --loopDepth_;
  return s;
}

StmtPtr Parser::switchStatement() {
  auto s = node<SwitchStmt>(cur_);
  advance();
  expect(TokenKind::LParen);
  s->value = expression();
  expect(TokenKind::RParen);
  expect(TokenKind::LBrace);
  ++switchDepth_;
  while (!accept(TokenKind::RBrace)) {
    SwitchCase c;
    if (checkWord("case")) {
      advance();
      c.value = expression();
    } else if (checkWord("default")) {
      advance();
    } else {
      fail(cur_);
    }
    expect(TokenKind::Colon);
    while (!checkWord("case") && !checkWord("default") && !check(TokenKind::RBrace)) {
      if (check(TokenKind::End)) fail(cur_);
      c.body.push_back(statement());
    }
    s->cases.push_back(std::move(c));
  }
  --switchDepth_;
  return s;
}

StmtPtr Parser::jumpStatement() {
  bool isBreak = cur_.text() == "break";
  if (loopDepth_ == 0 && (!isBreak || switchDepth_ == 0)) fail(cur_);
  auto s = node<SimpleStmt>(cur_, isBreak ? StmtKind::Break : StmtKind::Continue);
  advance();
  terminator();
  return s;
}

StmtPtr Parser::returnStatement() {
  auto s = node<ReturnStmt>(cur_);
  Token at = cur_;
  advance();
  if (!check(TokenKind::Semicolon) && !check(TokenKind::RBrace) && !check(TokenKind::End)) {
    s->value = expression();
    if (inProc_ && !procReturn_) failMeaning(at, "This procedure has no return value.");
  }
  terminator();
  return s;
}

StmtPtr Parser::globalStatement() {
  Token start = cur_;
  advance();
  if (checkWord("proc")) return procDefinition(true, start);
  if (!typeName()) fail(cur_);
  auto d = declaration(true, start);
  terminator();
  return d;
}

NodePtr<DeclStmt> Parser::declaration(bool global, const Token& start) {
  auto d = node<DeclStmt>(start);
  d->global = global;
  d->scalarType = *typeName();
  advance();
  do {
    if (!check(TokenKind::Variable)) fail(cur_);
    Declarator v;
    v.line = cur_.start.line;
    v.column = cur_.start.column;
    v.name = cur_.text();
    advance();
    if (accept(TokenKind::LBracket)) {
      v.isArray = true;
      if (!check(TokenKind::RBracket)) v.size = expression();
      expect(TokenKind::RBracket);
    }
    if (accept(TokenKind::Assign)) v.init = expression();
    d->vars.push_back(std::move(v));
  } while (accept(TokenKind::Comma));
  return d;
}

StmtPtr Parser::procDefinition(bool global, const Token& start) {
  if (inProc_) fail(start);
  advance();  // proc
  auto def = std::make_shared<ProcDef>();
  def->arena = arena_;
  def->line = start.start.line;
  def->column = start.start.column;
  def->global = global;
  if (auto t = typeName()) {
    advance();
    def->returnType = *t;
    if (accept(TokenKind::LBracket)) {
      if (*t == ValueType::Vector) failMeaning(cur_, "Arrays of vectors are not supported.");
      expect(TokenKind::RBracket);
      def->returnType = Value::arrayTypeOf(*t);
    }
  }
  if (!check(TokenKind::Ident) || isKeyword(cur_.text())) fail(cur_);
  def->name = cur_.text();
  advance();
  expect(TokenKind::LParen);
  if (!check(TokenKind::RParen)) {
    do {
      auto t = typeName();
      if (!t) fail(cur_);
      advance();
      if (!check(TokenKind::Variable)) fail(cur_);
      Param p{std::string(cur_.text()), *t};
      advance();
      if (accept(TokenKind::LBracket)) {
        expect(TokenKind::RBracket);
        if (*t == ValueType::Vector) failMeaning(cur_, "Arrays of vectors are not supported.");
        p.type = Value::arrayTypeOf(*t);
      }
      def->params.push_back(std::move(p));
    } while (accept(TokenKind::Comma));
  }
  expect(TokenKind::RParen);
  if (!check(TokenKind::LBrace)) fail(cur_);

  inProc_ = true;
  procReturn_ = def->returnType;
  int loops = loopDepth_, switches = switchDepth_;
  loopDepth_ = switchDepth_ = 0;
  StmtPtr body = block();
  inProc_ = false;
  procReturn_.reset();
  loopDepth_ = loops;
  switchDepth_ = switches;
  def->body.reset(static_cast<BlockStmt*>(body.release()));

  auto s = node<ProcStmt>(start);
  s->proc = std::move(def);
  return s;
}

StmtPtr Parser::expressionStatement() {
  auto s = node<ExprStmt>(cur_);
  s->expr = expression();
  terminator();
  return s;
}

StmtPtr Parser::commandStatement() {
  auto s = node<ExprStmt>(cur_);
  s->expr = command(false);
  terminator();
  return s;
}

}  // namespace detail

std::unique_ptr<Script> parseScript(std::string_view source, std::string_view sourceName) {
  try {
    detail::Parser parser(source);
    return parser.script();
  } catch (ParseError& e) {
    e.setSourceName(std::string(sourceName));
    throw;
  }
}

}  // namespace mel
