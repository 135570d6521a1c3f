// The syntax tree of a MEL script. Every node carries the line (and column)
// where it starts; the evaluator switches on `kind` and casts.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mel/NodeArena.h"
#include "mel/Value.h"

namespace mel {

struct Node {
  int line = 0;
  int column = 0;
};

// ---- expressions ----

enum class ExprKind {
  Literal,
  Variable,
  Index,
  Component,
  ArrayLiteral,
  VectorLiteral,
  Unary,
  Binary,
  Logical,
  Ternary,
  Assign,
  IncDec,
  Call,
  Catch,
  Cast,
};

struct Expr : Node {
  explicit Expr(ExprKind k) : kind(k) {}
  virtual ~Expr() = default;
  const ExprKind kind;
  int height = 1;  // levels of nesting below and including this node
};
using ExprPtr = NodePtr<Expr>;

enum class UnaryOp { Negate, Not };
enum class BinaryOp { Add, Sub, Mul, Div, Mod, Cross, Eq, NotEq, Less, LessEq, Greater, GreaterEq };

struct LiteralExpr : Expr {
  LiteralExpr() : Expr(ExprKind::Literal) {}
  Value value;
};

namespace detail {
struct Variable;
}

// Where an interpreter last found the variable a node names, and when
// (Interpreter::Impl::lookup). Filled in while the tree runs.
struct VariableCache {
  mutable detail::Variable* variable = nullptr;
  mutable std::uint64_t frameEpoch = 0;  // 0: never found
  mutable std::uint64_t sharedEpoch = 0;
};

struct VariableExpr : Expr {  // $name
  VariableExpr() : Expr(ExprKind::Variable) {}
  std::string name;  // with the '$'
  VariableCache cache;
};

struct IndexExpr : Expr {  // $name[index]
  IndexExpr() : Expr(ExprKind::Index) {}
  std::string name;
  ExprPtr index;
  VariableCache cache;
};

struct ComponentExpr : Expr {  // $v.x
  ComponentExpr() : Expr(ExprKind::Component) {}
  ExprPtr vector;
  int component = 0;
};

struct ArrayLiteralExpr : Expr {  // {a, b, c}
  ArrayLiteralExpr() : Expr(ExprKind::ArrayLiteral) {}
  std::vector<ExprPtr> elements;
};

struct VectorLiteralExpr : Expr {  // <<x, y, z>>
  VectorLiteralExpr() : Expr(ExprKind::VectorLiteral) {}
  std::vector<ExprPtr> components;
};

struct UnaryExpr : Expr {
  UnaryExpr() : Expr(ExprKind::Unary) {}
  UnaryOp op = UnaryOp::Negate;
  ExprPtr operand;
};

struct BinaryExpr : Expr {
  BinaryExpr() : Expr(ExprKind::Binary) {}
  BinaryOp op = BinaryOp::Add;
  ExprPtr left, right;
};

struct LogicalExpr : Expr {  // && and ||, short-circuit
  LogicalExpr() : Expr(ExprKind::Logical) {}
  bool isAnd = true;
  ExprPtr left, right;
};

struct TernaryExpr : Expr {
  TernaryExpr() : Expr(ExprKind::Ternary) {}
  ExprPtr condition, ifTrue, ifFalse;
};

struct AssignExpr : Expr {  // target = value, or target op= value
  AssignExpr() : Expr(ExprKind::Assign) {}
  ExprPtr target;  // VariableExpr or IndexExpr
  std::optional<BinaryOp> op;
  ExprPtr value;
};

struct IncDecExpr : Expr {  // ++$i, $i--
  IncDecExpr() : Expr(ExprKind::IncDec) {}
  ExprPtr target;
  bool increment = true;
  bool prefix = true;
};

struct CallExpr : Expr {  // name(args) or name arg arg
  CallExpr() : Expr(ExprKind::Call) {}
  std::string name;
  std::vector<ExprPtr> args;
};

struct CatchExpr : Expr {  // catch(expr), catchQuiet(expr)
  CatchExpr() : Expr(ExprKind::Catch) {}
  ExprPtr body;
  bool quiet = false;
};

struct CastExpr : Expr {  // (int)expr
  CastExpr() : Expr(ExprKind::Cast) {}
  ValueType type = ValueType::Int;
  ExprPtr operand;
};

// ---- statements ----

enum class StmtKind {
  Expr,
  Decl,
  Block,
  If,
  While,
  DoWhile,
  For,
  ForIn,
  Switch,
  Break,
  Continue,
  Return,
  Proc,
  Empty,
};

struct Stmt : Node {
  explicit Stmt(StmtKind k) : kind(k) {}
  virtual ~Stmt() = default;
  const StmtKind kind;
};
using StmtPtr = NodePtr<Stmt>;

struct ExprStmt : Stmt {
  ExprStmt() : Stmt(StmtKind::Expr) {}
  ExprPtr expr;
};

struct Declarator : Node {
  std::string name;
  bool isArray = false;
  ExprPtr size;  // float $f[3]
  ExprPtr init;
};

struct DeclStmt : Stmt {  // [global] type $a[, $b = v ...];
  DeclStmt() : Stmt(StmtKind::Decl) {}
  bool global = false;
  ValueType scalarType = ValueType::Int;
  std::vector<Declarator> vars;
};

struct BlockStmt : Stmt {
  BlockStmt() : Stmt(StmtKind::Block) {}
  std::vector<StmtPtr> body;
};

struct IfStmt : Stmt {
  IfStmt() : Stmt(StmtKind::If) {}
  ExprPtr condition;
  StmtPtr then, otherwise;
};

struct WhileStmt : Stmt {
  WhileStmt() : Stmt(StmtKind::While) {}
  ExprPtr condition;
  StmtPtr body;
};

struct DoWhileStmt : Stmt {
  DoWhileStmt() : Stmt(StmtKind::DoWhile) {}
  StmtPtr body;
  ExprPtr condition;
};

struct ForStmt : Stmt {
  ForStmt() : Stmt(StmtKind::For) {}
  std::vector<StmtPtr> init;  // declarations or expression statements
  ExprPtr condition;          // null: always true
  std::vector<ExprPtr> step;
  StmtPtr body;
};

struct ForInStmt : Stmt {
  ForInStmt() : Stmt(StmtKind::ForIn) {}
  std::string variable;
  ExprPtr array;
  StmtPtr body;
};

struct SwitchCase {
  ExprPtr value;  // null for default
  std::vector<StmtPtr> body;
};

struct SwitchStmt : Stmt {
  SwitchStmt() : Stmt(StmtKind::Switch) {}
  ExprPtr value;
  std::vector<SwitchCase> cases;
};

struct ReturnStmt : Stmt {
  ReturnStmt() : Stmt(StmtKind::Return) {}
  ExprPtr value;
};

struct Param {
  std::string name;
  ValueType type = ValueType::Int;
};

struct ProcDef : Node {
  std::shared_ptr<NodeArena> arena;  // first, so that it goes after the body
  std::string name;
  bool global = false;
  std::optional<ValueType> returnType;
  std::vector<Param> params;
  NodePtr<BlockStmt> body;
};

struct ProcStmt : Stmt {
  ProcStmt() : Stmt(StmtKind::Proc) {}
  std::shared_ptr<const ProcDef> proc;  // shared: outlives the script once defined
};

struct SimpleStmt : Stmt {  // break, continue, empty
  explicit SimpleStmt(StmtKind k) : Stmt(k) {}
};

struct Script {
  std::shared_ptr<NodeArena> arena;  // first, so that it goes after the statements
  std::vector<StmtPtr> statements;
};

}  // namespace mel
