// The recursive-descent parser behind parseScript. Statements live in
// Parser.cpp, expressions in ParseExpr.cpp, command syntax in ParseCommand.cpp.
#pragma once

#include <initializer_list>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "mel/Ast.h"
#include "mel/Lexer.h"
#include "mel/Parser.h"

namespace mel::detail {

class Parser {
 public:
  explicit Parser(std::string_view source);
  std::unique_ptr<Script> script();

 private:
  // Nesting guard: deeply nested input is a syntax error, not a stack overflow.
  class Nest {
   public:
    explicit Nest(Parser& p);
    ~Nest() { --p_.depth_; }
    Nest(const Nest&) = delete;
    Nest& operator=(const Nest&) = delete;

   private:
    Parser& p_;
  };

  struct State {
    Position position;
    Token current;
  };

  // ---- tokens ----
  void advance() { cur_ = lex_.next(); }
  bool check(TokenKind k) const { return cur_.kind == k; }
  bool accept(TokenKind k);
  void expect(TokenKind k);
  bool checkWord(std::string_view w) const {
    return cur_.kind == TokenKind::Ident && cur_.text() == w;
  }
  Token peekToken();
  State save() const { return {lex_.position(), cur_}; }
  void restore(State s);
  [[noreturn]] void fail(const Token& at) const;
  [[noreturn]] void failMeaning(const Token& at, const std::string& message) const;
  template <class T, class... Args>
  NodePtr<T> node(const Token& at, Args&&... args) const {
    NodePtr<T> n(arena_->make<T>(std::forward<Args>(args)...));
    n->line = at.start.line;
    n->column = at.start.column;
    return n;
  }

  // ---- statements (Parser.cpp) ----
  StmtPtr statement();
  StmtPtr block();
  StmtPtr ifStatement();
  StmtPtr whileStatement();
  StmtPtr doStatement();
  StmtPtr forStatement();
  StmtPtr switchStatement();
  StmtPtr jumpStatement();
  StmtPtr returnStatement();
  StmtPtr globalStatement();
  StmtPtr procDefinition(bool global, const Token& start);
  NodePtr<DeclStmt> declaration(bool global, const Token& start);
  StmtPtr expressionStatement();
  StmtPtr commandStatement();
  void terminator();
  std::optional<ValueType> typeName() const;  // cur_ as int/float/string/vector

  // ---- expressions (ParseExpr.cpp) ----
  ExprPtr expression();
  ExprPtr assignment();
  ExprPtr ternary();
  ExprPtr logical(bool isAnd);
  ExprPtr binaryLevel(int level);
  ExprPtr unary();
  ExprPtr postfix();
  ExprPtr primary();
  ExprPtr variable();
  ExprPtr parenthesised();
  ExprPtr arrayLiteral();
  ExprPtr vectorLiteral();
  ExprPtr backquote();
  ExprPtr identifierExpression();
  ExprPtr catchExpression();
  void callArguments(CallExpr& call);
  // Sets e.height from its children; overly deep trees are refused so that
  // evaluating them cannot exhaust the stack.
  void setHeight(Expr& e, std::initializer_list<const Expr*> children, const Token& at) const;

  // ---- command syntax (ParseCommand.cpp) ----
  ExprPtr command(bool inBackquote);
  bool looksLikeFunctionCall(bool inBackquote);
  void commandArguments(CallExpr& call, bool inBackquote);
  ExprPtr commandArgumentExpression(char first);

  std::shared_ptr<NodeArena> arena_ = std::make_shared<NodeArena>();
  Lexer lex_;
  Token cur_;
  int depth_ = 0;
  int loopDepth_ = 0;
  int switchDepth_ = 0;
  bool inProc_ = false;
  std::optional<ValueType> procReturn_;
};

// Number literal text ("12", "0x1f", "1.5e3", with an optional leading '-')
// to an int or float Value; nullopt when the text is not exactly one number.
std::optional<Value> numberFromText(std::string_view text);

}  // namespace mel::detail
