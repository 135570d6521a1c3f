// Evaluating expressions.
#include <utility>

#include "mel/Operators.h"
#include "mel/Runtime.h"

namespace mel {

namespace {

bool isAssignable(const Expr& e) {
  return e.kind == ExprKind::Variable || e.kind == ExprKind::Index;
}

}  // namespace

// One small function per node kind keeps eval's own frame small: eval
// recurses once per nesting level, so its frame size bounds script depth.
Value Interpreter::Impl::eval(const Expr& e) {
  switch (e.kind) {
    case ExprKind::Literal:
      return static_cast<const LiteralExpr&>(e).value;
    case ExprKind::Variable: {
      const auto& v = static_cast<const VariableExpr&>(e);
      return lookup(v.name, v.cache).value;
    }
    case ExprKind::Index:
      return evalIndex(static_cast<const IndexExpr&>(e));
    case ExprKind::Component:
      return evalComponent(static_cast<const ComponentExpr&>(e));
    case ExprKind::ArrayLiteral:
      return evalArrayLiteral(static_cast<const ArrayLiteralExpr&>(e));
    case ExprKind::VectorLiteral:
      return evalVectorLiteral(static_cast<const VectorLiteralExpr&>(e));
    case ExprKind::Unary:
      return evalUnary(static_cast<const UnaryExpr&>(e));
    case ExprKind::Binary:
      return evalBinary(static_cast<const BinaryExpr&>(e));
    case ExprKind::Logical:
      return evalLogical(static_cast<const LogicalExpr&>(e));
    case ExprKind::Ternary: {
      const auto& t = static_cast<const TernaryExpr&>(e);
      return eval(*t.condition).isTrue() ? eval(*t.ifTrue) : eval(*t.ifFalse);
    }
    case ExprKind::Assign:
      return evalAssign(static_cast<const AssignExpr&>(e));
    case ExprKind::IncDec:
      return evalIncDec(static_cast<const IncDecExpr&>(e));
    case ExprKind::Call:
      return evalCall(static_cast<const CallExpr&>(e));
    case ExprKind::Catch:
      return evalCatch(static_cast<const CatchExpr&>(e));
    case ExprKind::Cast: {
      const auto& c = static_cast<const CastExpr&>(e);
      return eval(*c.operand).convertTo(c.type);
    }
  }
  return Value();
}

Value Interpreter::Impl::evalComponent(const ComponentExpr& c) {
  return Value(eval(*c.vector).asVector()[static_cast<std::size_t>(c.component)]);
}

Value Interpreter::Impl::evalVectorLiteral(const VectorLiteralExpr& v) {
  Vector3 out{0, 0, 0};
  for (std::size_t i = 0; i < 3 && i < v.components.size(); ++i)
    out[i] = eval(*v.components[i]).asFloat();
  return Value(out);
}

Value Interpreter::Impl::evalUnary(const UnaryExpr& u) {
  Value operand = eval(*u.operand);
  if (u.op == UnaryOp::Not) return Value(operand.isTrue() ? 0 : 1);
  return detail::negate(operand);
}

const Value* Interpreter::Impl::peek(const Expr& e) const {
  if (e.kind == ExprKind::Literal) return &static_cast<const LiteralExpr&>(e).value;
  if (e.kind == ExprKind::Variable) {
    const auto& v = static_cast<const VariableExpr&>(e);
    return &lookup(v.name, v.cache).value;
  }
  return nullptr;
}

Value Interpreter::Impl::evalBinary(const BinaryExpr& b) {
  // Two operands that need no evaluation are read in place: nothing runs
  // between the two reads that could change either.
  if (const Value* left = peek(*b.left))
    if (const Value* right = peek(*b.right)) return detail::binaryOp(b.op, *left, *right);
  Value left = eval(*b.left);
  return detail::binaryOp(b.op, left, eval(*b.right));
}

Value Interpreter::Impl::evalLogical(const LogicalExpr& l) {
  bool left = eval(*l.left).isTrue();
  if (l.isAnd ? !left : left) return Value(left ? 1 : 0);
  return Value(eval(*l.right).isTrue() ? 1 : 0);
}

Value Interpreter::Impl::evalIndex(const IndexExpr& e) {
  detail::VariablePtr var = lookup(e.name);
  int index = eval(*e.index).asInt();
  if (!var->value.isArray()) throw Error("\"" + e.name + "\" is not an array.");
  if (index < 0) throw Error("Array index out of bounds: " + std::to_string(index) + ".");
  return var->value.element(static_cast<std::size_t>(index));
}

Value Interpreter::Impl::evalArrayLiteral(const ArrayLiteralExpr& e) {
  std::vector<Value> items;
  items.reserve(e.elements.size());
  ValueType type = ValueType::IntArray;
  for (const ExprPtr& x : e.elements) {
    items.push_back(eval(*x));
    const Value& v = items.back();
    if (v.isArray() || v.isVector())
      throw Error(std::string("Cannot put data of type ") + Value::typeName(v.type()) +
                  " in an array.");
    if (v.isString())
      type = ValueType::StringArray;
    else if (v.isFloat() && type == ValueType::IntArray)
      type = ValueType::FloatArray;
  }
  if (e.elements.empty()) type = ValueType::StringArray;
  Value array = Value::zero(type);
  for (std::size_t i = 0; i < items.size(); ++i) array.setElement(i, items[i]);
  return array;
}

Interpreter::Impl::Target Interpreter::Impl::targetOf(const Expr& target) {
  if (target.kind == ExprKind::Index) {
    const auto& ix = static_cast<const IndexExpr&>(target);
    return {&ix.name, eval(*ix.index).asInt(), &ix.cache};
  }
  const auto& v = static_cast<const VariableExpr&>(target);
  return {&v.name, std::nullopt, &v.cache};
}

Value Interpreter::Impl::currentValue(const Target& t) const {
  const detail::Variable& var = lookup(*t.name, *t.cache);
  if (t.index && var.value.isArray() && *t.index >= 0)
    return var.value.element(static_cast<std::size_t>(*t.index));
  return var.value;
}

Value Interpreter::Impl::assign(const AssignExpr& e, bool wantResult) {
  const Target t = targetOf(*e.target);
  if (e.op && !t.index) {
    // A literal or variable operand is read in place; nothing runs between
    // reading it and the update.
    Value computed;
    const Value* operand = peek(*e.value);
    if (!operand) {
      computed = eval(*e.value);
      operand = &computed;
    }
    // One lookup for read and write; the variable exists, so storing is a
    // conversion to its type.
    detail::Variable* var = &lookup(*t.name, *t.cache);
    std::string* text = var->value.stringIf();
    if (text && *e.op == BinaryOp::Add && !operand->isArray()) {
      if (const std::string* tail = operand->stringIf())
        *text += *tail;
      else
        *text += operand->asString();
    } else {
      Value result = detail::binaryOp(*e.op, var->value, *operand);
      if (result.type() != var->type) result = result.convertTo(var->type);
      var->value = std::move(result);
    }
    return wantResult ? var->value : Value();
  }
  Value v = eval(*e.value);
  if (e.op) v = detail::binaryOp(*e.op, currentValue(t), v);
  return store(*t.name, t.index, v);
}

void Interpreter::Impl::evalForEffect(const Expr& e) {
  if (e.kind == ExprKind::Assign)
    assign(static_cast<const AssignExpr&>(e), false);
  else
    eval(e);
}

Value Interpreter::Impl::evalIncDec(const IncDecExpr& e) {
  const Target t = targetOf(*e.target);
  if (!t.index) {
    detail::Variable* var = &lookup(*t.name, *t.cache);
    if (int* n = var->value.intIf(); n && var->type == ValueType::Int) {
      const int old = *n;
      *n = detail::wrap(static_cast<long long>(old) + (e.increment ? 1 : -1));
      return Value(e.prefix ? *n : old);
    }
    Value old = var->value;
    var->value = detail::binaryOp(e.increment ? BinaryOp::Add : BinaryOp::Sub, old, Value(1))
                     .convertTo(var->type);
    return e.prefix ? var->value : old;
  }
  Value old = currentValue(t);
  Value updated = detail::binaryOp(e.increment ? BinaryOp::Add : BinaryOp::Sub, old, Value(1));
  Value stored = store(*t.name, t.index, updated);
  return e.prefix ? stored : old;
}

Value Interpreter::Impl::evalCall(const CallExpr& e) {
  at(e.line);
  Args args;
  args.reserve(e.args.size());
  for (const ExprPtr& a : e.args) args.push_back(eval(*a));
  at(e.line);
  outArgument.reset();
  Value result = call(e.name, args);
  if (outArgument) {
    auto [i, v] = std::move(*outArgument);
    outArgument.reset();
    if (i < e.args.size() && isAssignable(*e.args[i])) storeTo(*e.args[i], v);
  }
  return result;
}

Value Interpreter::Impl::evalCatch(const CatchExpr& e) {
  detail::Location saved = location;
  try {
    eval(*e.body);
    return Value(0);
  } catch (const ParseError& err) {
    report(err.what(), describe(err), !e.quiet);
  } catch (const std::exception& err) {
    report(err.what(), locate(err.what()), !e.quiet);
  }
  location = saved;
  outArgument.reset();
  return Value(1);
}

}  // namespace mel
