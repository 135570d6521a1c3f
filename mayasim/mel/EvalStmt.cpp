// Executing statements.
#include <algorithm>

#include "mel/Operators.h"
#include "mel/Runtime.h"

namespace mel {

using detail::Flow;

namespace {

constexpr long long kMaxDeclaredSize = 10'000'000;

}  // namespace

Flow Interpreter::Impl::execList(const std::vector<StmtPtr>& list) {
  for (const StmtPtr& s : list) {
    Flow f = exec(*s);
    if (f != Flow::Normal) return f;
  }
  return Flow::Normal;
}

void Interpreter::Impl::countStep() {
  if (stepsLeft > 0) {
    --stepsLeft;
    return;
  }
  throw Error("step budget of " + std::to_string(stepBudget) + " statements exceeded");
}

Flow Interpreter::Impl::exec(const Stmt& s) {
  if (stepBudget != 0) countStep();
  switch (s.kind) {
    case StmtKind::Expr:
      at(s.line);
      evalForEffect(*static_cast<const ExprStmt&>(s).expr);
      return Flow::Normal;
    case StmtKind::Decl:
      execDecl(static_cast<const DeclStmt&>(s));
      return Flow::Normal;
    case StmtKind::Block: {
      ScopeGuard scope(*this);
      return execList(static_cast<const BlockStmt&>(s).body);
    }
    case StmtKind::If: {
      const auto& i = static_cast<const IfStmt&>(s);
      at(s.line);
      if (eval(*i.condition).isTrue()) return exec(*i.then);
      return i.otherwise ? exec(*i.otherwise) : Flow::Normal;
    }
    case StmtKind::While: {
      const auto& w = static_cast<const WhileStmt&>(s);
      for (;;) {
        at(s.line);
        if (!eval(*w.condition).isTrue()) return Flow::Normal;
        Flow f = exec(*w.body);
        if (f == Flow::Break) return Flow::Normal;
        if (f == Flow::Return) return f;
      }
    }
    case StmtKind::DoWhile: {
      const auto& d = static_cast<const DoWhileStmt&>(s);
      for (;;) {
        Flow f = exec(*d.body);
        if (f == Flow::Break) return Flow::Normal;
        if (f == Flow::Return) return f;
        at(d.condition->line);
        if (!eval(*d.condition).isTrue()) return Flow::Normal;
      }
    }
    case StmtKind::For:
      return execFor(static_cast<const ForStmt&>(s));
    case StmtKind::ForIn:
      return execForIn(static_cast<const ForInStmt&>(s));
    case StmtKind::Switch:
      return execSwitch(static_cast<const SwitchStmt&>(s));
    case StmtKind::Break:
      return Flow::Break;
    case StmtKind::Continue:
      return Flow::Continue;
    case StmtKind::Return: {
      const auto& r = static_cast<const ReturnStmt&>(s);
      at(s.line);
      frame().returnValue = r.value ? eval(*r.value) : Value();
      frame().returned = true;
      return Flow::Return;
    }
    case StmtKind::Proc:
      defineProc(static_cast<const ProcStmt&>(s));
      return Flow::Normal;
    case StmtKind::Empty:
      return Flow::Normal;
  }
  return Flow::Normal;
}

void Interpreter::Impl::execDecl(const DeclStmt& d) {
  for (const Declarator& v : d.vars) {
    at(v.line);
    ValueType type = v.isArray ? Value::arrayTypeOf(d.scalarType) : d.scalarType;
    auto initial = [&]() {
      if (v.init) return eval(*v.init).convertTo(type);
      Value zero = Value::zero(type);
      if (v.size) {
        long long n = std::clamp<long long>(eval(*v.size).asInt(), 0, kMaxDeclaredSize);
        if (n > 0) zero.setElement(static_cast<std::size_t>(n - 1), Value::zero(d.scalarType));
      }
      return zero;
    };
    if (d.global) {
      // A global's initialiser runs only when the global comes into being.
      bool created = false;
      detail::VariablePtr var = declareGlobal(v.name, type, created);
      if (created) var->value = initial();
    } else {
      Value value = initial();  // before declaring: `int $x = $x + 1` reads an outer $x
      declareLocal(v.name, type)->value = std::move(value);
    }
  }
}

Flow Interpreter::Impl::execFor(const ForStmt& f) {
  for (const StmtPtr& init : f.init) exec(*init);
  for (;;) {
    at(f.line);
    if (f.condition && !eval(*f.condition).isTrue()) return Flow::Normal;
    Flow flow = exec(*f.body);
    if (flow == Flow::Break) return Flow::Normal;
    if (flow == Flow::Return) return flow;
    at(f.line);
    for (const ExprPtr& step : f.step) evalForEffect(*step);
  }
}

Flow Interpreter::Impl::execForIn(const ForInStmt& f) {
  at(f.line);
  Value array = eval(*f.array);
  if (!array.isArray())
    throw Error(std::string("Cannot iterate over data of type ") + Value::typeName(array.type()) +
                ".");
  for (std::size_t i = 0; i < array.size(); ++i) {
    at(f.line);
    store(f.variable, std::nullopt, array.element(i));
    Flow flow = exec(*f.body);
    if (flow == Flow::Break) return Flow::Normal;
    if (flow == Flow::Return) return flow;
  }
  return Flow::Normal;
}

Flow Interpreter::Impl::execSwitch(const SwitchStmt& s) {
  at(s.line);
  Value v = eval(*s.value);
  std::size_t start = s.cases.size();
  for (std::size_t i = 0; i < s.cases.size() && start == s.cases.size(); ++i) {
    const SwitchCase& c = s.cases[i];
    if (c.value && detail::binaryOp(BinaryOp::Eq, v, eval(*c.value)).isTrue()) start = i;
  }
  if (start == s.cases.size()) {
    auto def =
        std::find_if(s.cases.begin(), s.cases.end(), [](const SwitchCase& c) { return !c.value; });
    if (def == s.cases.end()) return Flow::Normal;
    start = static_cast<std::size_t>(def - s.cases.begin());
  }
  for (std::size_t i = start; i < s.cases.size(); ++i) {  // cases fall through until break
    Flow f = execList(s.cases[i].body);
    if (f == Flow::Break) return Flow::Normal;
    if (f != Flow::Normal) return f;
  }
  return Flow::Normal;
}

void Interpreter::Impl::defineProc(const ProcStmt& p) {
  if (p.proc->global)
    globalProcs[p.proc->name] = detail::Proc{p.proc, frame().file};
  else
    frame().file->localProcs[p.proc->name] = detail::Proc{p.proc, nullptr};
}

}  // namespace mel
