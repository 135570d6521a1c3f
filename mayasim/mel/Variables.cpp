// Variables: lookup through the block scopes of the running frame,
// declaration (local and global), and stores with MEL's conversions.
#include "mel/Runtime.h"

#include <atomic>
#include <utility>

namespace mel {

using detail::Variable;
using detail::VariablePtr;

namespace {

[[noreturn]] void redeclared(const std::string& name) {
  throw Error("Invalid redeclaration of variable \"" + name + "\" as a different type.");
}

}  // namespace

namespace detail {

const VariablePtr* Scope::find(const std::string& name, std::size_t hash) const {
  if (!index_.empty()) {
    auto it = index_.find(name);
    return it == index_.end() ? nullptr : &entries_[it->second].var;
  }
  for (const Entry& e : entries_)
    if (e.hash == hash && e.name == name) return &e.var;
  return nullptr;
}

VariablePtr* Scope::find(const std::string& name, std::size_t hash) {
  return const_cast<VariablePtr*>(std::as_const(*this).find(name, hash));
}

void Scope::bind(const std::string& name, std::size_t hash, VariablePtr var) {
  if (VariablePtr* bound = find(name, hash)) {
    *bound = std::move(var);
    return;
  }
  entries_.push_back({hash, name, std::move(var)});
  if (!index_.empty()) {
    index_.emplace(name, entries_.size() - 1);
  } else if (entries_.size() > kListedAtMost) {
    for (std::size_t i = 0; i < entries_.size(); ++i) index_.emplace(entries_[i].name, i);
  }
}

void Scope::clear() {
  entries_.clear();
  index_.clear();
}

std::uint64_t newScopeEpoch() {
  static std::atomic<std::uint64_t> last{0};
  return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

}  // namespace detail

const VariablePtr& Interpreter::Impl::find(const std::string& name) const {
  static const VariablePtr kNone;
  if (frames.empty()) return kNone;
  const std::size_t hash = detail::Scope::hashOf(name);
  const auto& scopes = frames.back()->scopes;
  for (auto it = scopes.rbegin(); it != scopes.rend(); ++it)
    if (const VariablePtr* found = (*it)->find(name, hash)) return *found;
  return kNone;
}

const VariablePtr& Interpreter::Impl::lookup(const std::string& name) const {
  const VariablePtr& var = find(name);
  if (!var) throw Error("\"" + name + "\" is an undeclared variable.");
  return var;
}

Variable& Interpreter::Impl::lookup(const std::string& name, const VariableCache& cache) const {
  if (frames.empty()) return *lookup(name);
  const detail::Frame& running = *frames.back();
  if (cache.frameEpoch != running.epoch || cache.sharedEpoch != sharedEpoch) {
    cache.variable = lookup(name).get();
    cache.frameEpoch = running.epoch;
    cache.sharedEpoch = sharedEpoch;
  }
  return *cache.variable;
}

void Interpreter::Impl::bound(const detail::Scope& scope) {
  if (&scope == topScope.get())
    sharedEpoch = detail::newScopeEpoch();
  else
    frame().epoch = detail::newScopeEpoch();
}

VariablePtr Interpreter::Impl::declareLocal(const std::string& name, ValueType type) {
  detail::Scope& scope = *frame().scopes.back();
  const std::size_t hash = detail::Scope::hashOf(name);
  if (const VariablePtr* existing = scope.find(name, hash)) {
    if ((*existing)->type != type) redeclared(name);
    return *existing;
  }
  auto var = std::make_shared<Variable>(Variable{type, Value::zero(type)});
  scope.bind(name, hash, var);
  bound(scope);
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
  const std::size_t hash = detail::Scope::hashOf(name);
  const VariablePtr* before = scope.find(name, hash);
  if (before && *before != var && (*before)->type != type) redeclared(name);
  scope.bind(name, hash, var);
  bound(scope);
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
