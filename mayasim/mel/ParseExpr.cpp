// Expressions, by precedence: assignment, ?:, ||, &&, equality, relational,
// additive, multiplicative, unary, postfix, primary.
#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <string>
#include <system_error>

#include "mel/ParserImpl.h"

namespace mel::detail {

namespace {

// Expression trees taller than this are refused (evaluation recurses on them).
constexpr int kMaxExprHeight = 2000;

struct BinaryTokenOp {
  TokenKind token;
  BinaryOp op;
};

// Binary operator levels, loosest first.
const std::vector<std::vector<BinaryTokenOp>> kLevels = {
    {{TokenKind::Eq, BinaryOp::Eq}, {TokenKind::NotEq, BinaryOp::NotEq}},
    {{TokenKind::Less, BinaryOp::Less},
     {TokenKind::LessEq, BinaryOp::LessEq},
     {TokenKind::Greater, BinaryOp::Greater},
     {TokenKind::GreaterEq, BinaryOp::GreaterEq}},
    {{TokenKind::Plus, BinaryOp::Add}, {TokenKind::Minus, BinaryOp::Sub}},
    {{TokenKind::Star, BinaryOp::Mul},
     {TokenKind::Slash, BinaryOp::Div},
     {TokenKind::Percent, BinaryOp::Mod},
     {TokenKind::Caret, BinaryOp::Cross}},
};

std::optional<BinaryOp> compoundOp(TokenKind k) {
  switch (k) {
    case TokenKind::PlusAssign:
      return BinaryOp::Add;
    case TokenKind::MinusAssign:
      return BinaryOp::Sub;
    case TokenKind::StarAssign:
      return BinaryOp::Mul;
    case TokenKind::SlashAssign:
      return BinaryOp::Div;
    default:
      return std::nullopt;
  }
}

bool isAssignable(const Expr& e) {
  return e.kind == ExprKind::Variable || e.kind == ExprKind::Index;
}

}  // namespace

std::optional<Value> numberFromText(std::string_view text) {
  bool negative = !text.empty() && text[0] == '-';
  std::string_view body = negative ? text.substr(1) : text;
  if (body.empty()) return std::nullopt;
  // Most command words are not numbers; the lexer below skips comments, so '/' goes on.
  const char c = body[0];
  if ((c < '0' || c > '9') && c != '.' && c != '/') return std::nullopt;
  Lexer lex(body);
  Token t = lex.next();
  if ((t.kind != TokenKind::Int && t.kind != TokenKind::Float) || t.end.offset != body.size())
    return std::nullopt;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  // from_chars rounds as strtod does; only text out of its range needs
  // strtod: a float's inf or 0, or a decimal integer past 32 bits, which is a float.
  auto asFloat = [&] { return Value(std::strtod(std::string(text).c_str(), nullptr)); };
  if (t.kind == TokenKind::Float) {
    double d = 0;
    const auto read = std::from_chars(first, last, d);
    return read.ec == std::errc() && read.ptr == last ? Value(d) : asFloat();
  }
  if (body.size() > 1 && (body[1] == 'x' || body[1] == 'X')) {
    // Hex literals keep their 32 bits: 0xffffffff is -1.
    unsigned long long u = std::strtoull(std::string(body).c_str(), nullptr, 16);
    auto bits = static_cast<unsigned int>(u);
    int v = static_cast<int>(bits);
    return Value(negative ? static_cast<int>(0u - bits) : v);
  }
  int v = 0;
  const auto read = std::from_chars(first, last, v);
  return read.ec == std::errc() && read.ptr == last ? Value(v) : asFloat();
}

void Parser::setHeight(Expr& e, std::initializer_list<const Expr*> children,
                       const Token& at) const {
  int h = 0;
  for (const Expr* c : children)
    if (c) h = std::max(h, c->height);
  e.height = h + 1;
  if (e.height > kMaxExprHeight) failMeaning(at, "Expression is nested too deeply.");
}

ExprPtr Parser::expression() {
  Nest nest(*this);
  return assignment();
}

ExprPtr Parser::assignment() {
  ExprPtr left = ternary();
  Token at = cur_;
  std::optional<BinaryOp> op = compoundOp(cur_.kind);
  if (!op && !check(TokenKind::Assign)) return left;
  if (!isAssignable(*left)) fail(at);
  advance();
  auto a = node<AssignExpr>(at);
  a->line = left->line;
  a->op = op;
  a->target = std::move(left);
  a->value = expression();  // right-associative
  setHeight(*a, {a->target.get(), a->value.get()}, at);
  return a;
}

ExprPtr Parser::ternary() {
  ExprPtr cond = logical(false);
  if (!check(TokenKind::Question)) return cond;
  Token at = cur_;
  advance();
  auto t = node<TernaryExpr>(at);
  t->line = cond->line;
  t->condition = std::move(cond);
  t->ifTrue = expression();
  expect(TokenKind::Colon);
  {
    Nest nest(*this);
    t->ifFalse = ternary();
  }
  setHeight(*t, {t->condition.get(), t->ifTrue.get(), t->ifFalse.get()}, at);
  return t;
}

ExprPtr Parser::logical(bool isAnd) {
  ExprPtr left = isAnd ? binaryLevel(0) : logical(true);
  TokenKind opToken = isAnd ? TokenKind::AndAnd : TokenKind::OrOr;
  while (check(opToken)) {
    Token at = cur_;
    advance();
    auto l = node<LogicalExpr>(at);
    l->line = left->line;
    l->isAnd = isAnd;
    l->left = std::move(left);
    l->right = isAnd ? binaryLevel(0) : logical(true);
    setHeight(*l, {l->left.get(), l->right.get()}, at);
    left = std::move(l);
  }
  return left;
}

ExprPtr Parser::binaryLevel(int level) {
  if (level == static_cast<int>(kLevels.size())) return unary();
  ExprPtr left = binaryLevel(level + 1);
  for (;;) {
    const auto& ops = kLevels[static_cast<std::size_t>(level)];
    auto it = std::find_if(ops.begin(), ops.end(),
                           [&](const BinaryTokenOp& o) { return o.token == cur_.kind; });
    if (it == ops.end()) return left;
    Token at = cur_;
    advance();
    auto b = node<BinaryExpr>(at);
    b->line = left->line;
    b->op = it->op;
    b->left = std::move(left);
    b->right = binaryLevel(level + 1);
    setHeight(*b, {b->left.get(), b->right.get()}, at);
    left = std::move(b);
  }
}

ExprPtr Parser::unary() {
  Token at = cur_;
  if (check(TokenKind::Minus) || check(TokenKind::Not)) {
    Nest nest(*this);
    advance();
    ExprPtr operand = unary();
    if (at.kind == TokenKind::Minus && operand->kind == ExprKind::Literal) {
      // Fold -5 into a literal so that it stays an int.
      auto& lit = static_cast<LiteralExpr&>(*operand);
      if (lit.value.isInt() && lit.value.asInt() != INT_MIN) {
        lit.value = Value(-lit.value.asInt());
        return operand;
      }
      if (lit.value.isFloat()) {
        lit.value = Value(-lit.value.asFloat());
        return operand;
      }
    }
    auto u = node<UnaryExpr>(at);
    u->op = at.kind == TokenKind::Minus ? UnaryOp::Negate : UnaryOp::Not;
    u->operand = std::move(operand);
    setHeight(*u, {u->operand.get()}, at);
    return u;
  }
  if (check(TokenKind::Plus)) {
    Nest nest(*this);
    advance();
    return unary();
  }
  if (check(TokenKind::PlusPlus) || check(TokenKind::MinusMinus)) {
    Nest nest(*this);
    advance();
    ExprPtr target = unary();
    if (!isAssignable(*target)) fail(at);
    auto i = node<IncDecExpr>(at);
    i->increment = at.kind == TokenKind::PlusPlus;
    i->prefix = true;
    i->target = std::move(target);
    setHeight(*i, {i->target.get()}, at);
    return i;
  }
  return postfix();
}

ExprPtr Parser::postfix() {
  ExprPtr e = primary();
  for (;;) {
    Token at = cur_;
    if (check(TokenKind::PlusPlus) || check(TokenKind::MinusMinus)) {
      if (!isAssignable(*e)) return e;
      advance();
      auto i = node<IncDecExpr>(at);
      i->line = e->line;
      i->increment = at.kind == TokenKind::PlusPlus;
      i->prefix = false;
      i->target = std::move(e);
      setHeight(*i, {i->target.get()}, at);
      e = std::move(i);
    } else if (check(TokenKind::Dot)) {
      advance();
      if (!check(TokenKind::Ident) || cur_.text().size() != 1 || cur_.text()[0] < 'x' ||
          cur_.text()[0] > 'z')
        fail(cur_);
      auto c = node<ComponentExpr>(at);
      c->line = e->line;
      c->component = cur_.text()[0] - 'x';
      c->vector = std::move(e);
      advance();
      setHeight(*c, {c->vector.get()}, at);
      e = std::move(c);
    } else {
      return e;
    }
  }
}

ExprPtr Parser::primary() {
  Token at = cur_;
  switch (cur_.kind) {
    case TokenKind::Int:
    case TokenKind::Float: {
      auto lit = node<LiteralExpr>(at);
      auto v = numberFromText(cur_.text());
      if (!v) fail(cur_);
      lit->value = *v;
      advance();
      return lit;
    }
    case TokenKind::String: {
      auto lit = node<LiteralExpr>(at);
      lit->value = Value(std::string(cur_.text()));
      advance();
      return lit;
    }
    case TokenKind::Variable:
      return variable();
    case TokenKind::LParen:
      return parenthesised();
    case TokenKind::LBrace:
      return arrayLiteral();
    case TokenKind::VectorOpen:
      return vectorLiteral();
    case TokenKind::Backquote:
      return backquote();
    case TokenKind::Ident:
      return identifierExpression();
    default:
      fail(cur_);
  }
}

ExprPtr Parser::variable() {
  Token at = cur_;
  std::string name(cur_.text());
  advance();
  if (!check(TokenKind::LBracket)) {
    auto v = node<VariableExpr>(at);
    v->name = std::move(name);
    return v;
  }
  advance();
  auto ix = node<IndexExpr>(at);
  ix->name = std::move(name);
  ix->index = expression();
  expect(TokenKind::RBracket);
  setHeight(*ix, {ix->index.get()}, at);
  return ix;
}

ExprPtr Parser::parenthesised() {
  Token at = cur_;
  advance();
  if (typeName() && peekToken().kind == TokenKind::RParen) {  // (int)$x
    auto c = node<CastExpr>(at);
    c->type = *typeName();
    advance();
    advance();
    Nest nest(*this);
    c->operand = unary();
    setHeight(*c, {c->operand.get()}, at);
    return c;
  }
  ExprPtr e = expression();
  expect(TokenKind::RParen);
  return e;
}

ExprPtr Parser::arrayLiteral() {
  Token at = cur_;
  advance();
  auto a = node<ArrayLiteralExpr>(at);
  int height = 0;
  if (!check(TokenKind::RBrace)) {
    do {
      a->elements.push_back(expression());
      height = std::max(height, a->elements.back()->height);
    } while (accept(TokenKind::Comma));
  }
  expect(TokenKind::RBrace);
  a->height = height + 1;
  return a;
}

ExprPtr Parser::vectorLiteral() {
  Token at = cur_;
  advance();
  auto v = node<VectorLiteralExpr>(at);
  int height = 0;
  for (int i = 0; i < 3; ++i) {
    if (i) expect(TokenKind::Comma);
    v->components.push_back(expression());
    height = std::max(height, v->components.back()->height);
  }
  expect(TokenKind::VectorClose);
  v->height = height + 1;
  return v;
}

ExprPtr Parser::backquote() {
  Nest nest(*this);
  advance();
  if (!check(TokenKind::Ident) || isKeyword(cur_.text())) fail(cur_);
  ExprPtr e = command(true);
  expect(TokenKind::Backquote);
  return e;
}

ExprPtr Parser::identifierExpression() {
  Token at = cur_;
  const std::string_view w = cur_.text();
  if (w == "catch" || w == "catchQuiet") return catchExpression();
  if (w == "true" || w == "on" || w == "yes" || w == "false" || w == "off" || w == "no") {
    auto lit = node<LiteralExpr>(at);
    lit->value = Value(w == "true" || w == "on" || w == "yes" ? 1 : 0);
    advance();
    return lit;
  }
  bool conversion = typeName().has_value();  // int($x), float(...), string(...)
  if ((isKeyword(w) && !conversion) || peekToken().kind != TokenKind::LParen) fail(cur_);
  auto call = node<CallExpr>(at);
  call->name = w;
  advance();
  callArguments(*call);
  return call;
}

void Parser::callArguments(CallExpr& call) {
  expect(TokenKind::LParen);
  int height = 0;
  if (!check(TokenKind::RParen)) {
    do {
      call.args.push_back(expression());
      height = std::max(height, call.args.back()->height);
    } while (accept(TokenKind::Comma));
  }
  expect(TokenKind::RParen);
  call.height = height + 1;
}

ExprPtr Parser::catchExpression() {
  Token at = cur_;
  auto c = node<CatchExpr>(at);
  c->quiet = cur_.text() == "catchQuiet";
  advance();
  expect(TokenKind::LParen);
  Nest nest(*this);
  // catch(cmd -flag arg) holds a command; catch(expr) an expression.
  if (check(TokenKind::Ident) && !isKeyword(cur_.text()) && peekToken().kind != TokenKind::LParen)
    c->body = command(false);
  else
    c->body = expression();
  expect(TokenKind::RParen);
  setHeight(*c, {c->body.get()}, at);
  return c;
}

}  // namespace mel::detail
