// Variables: lookup through the block scopes of the running frame,
// declaration (local and global), and stores with MEL's conversions.
#include "mel/Runtime.h"

namespace mel {

using detail::Variable;
using detail::VariablePtr;

namespace {

[[noreturn]] void redeclared(const std::string& name) {
  throw Error("Invalid redeclaration of variable \"" + name + "\" as a different type.");
}

}  // namespace

const VariablePtr& Interpreter::Impl::find(const std::string& name) const {
  static const VariablePtr kNone;
  if (frames.empty()) return kNone;
  const auto& scopes = frames.back()->scopes;
  for (auto it = scopes.rbegin(); it != scopes.rend(); ++it) {
    auto found = (*it)->find(name);
    if (found != (*it)->end()) return found->second;
  }
  return kNone;
}

const VariablePtr& Interpreter::Impl::lookup(const std::string& name) const {
  const VariablePtr& var = find(name);
  if (!var) throw Error("\"" + name + "\" is an undeclared variable.");
  return var;
}

VariablePtr Interpreter::Impl::declareLocal(const std::string& name, ValueType type) {
  detail::Scope& scope = *frame().scopes.back();
  auto it = scope.find(name);
  if (it != scope.end()) {
    if (it->second->type != type) redeclared(name);
    return it->second;
  }
  auto var = std::make_shared<Variable>(Variable{type, Value::zero(type)});
  scope.emplace(name, var);
  return var;
}

VariablePtr Interpreter::Impl::declareGlobal(const std::string& name, ValueType type,
                                             bool& created) {
  VariablePtr& var = globals[name];
  created = !var;
  if (created)
    var = std::make_shared<Variable>(Variable{type, Value::zero(type)});
  else if (var->type != type)
    redeclared(name);

  detail::Scope& scope = *frame().scopes.back();
  auto it = scope.find(name);
  if (it != scope.end() && it->second != var && it->second->type != type) redeclared(name);
  scope[name] = var;
  return var;
}

Value Interpreter::Impl::store(const std::string& name, std::optional<long long> index,
                               const Value& v) {
  Variable* var = find(name).get();
  if (!index) {
    if (!var) var = declareLocal(name, v.isNoResult() ? ValueType::Int : v.type()).get();
    var->value = v.convertTo(var->type);
    return var->value;
  }
  if (!var)
    var = declareLocal(name, Value::arrayTypeOf(v.isNoResult() ? ValueType::Int : v.type())).get();
  if (!var->value.isArray()) throw Error("\"" + name + "\" is not an array.");
  if (*index < 0) throw Error("Array index out of bounds: " + std::to_string(*index) + ".");
  auto i = static_cast<std::size_t>(*index);
  var->value.setElement(i, v);
  return var->value.element(i);
}

Value Interpreter::Impl::storeTo(const Expr& target, const Value& v) {
  if (target.kind == ExprKind::Index) {
    const auto& ix = static_cast<const IndexExpr&>(target);
    return store(ix.name, eval(*ix.index).asInt(), v);
  }
  return store(static_cast<const VariableExpr&>(target).name, std::nullopt, v);
}

}  // namespace mel
