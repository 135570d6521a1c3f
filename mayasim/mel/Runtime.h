// The interpreter's state and evaluator (internal). Statements are executed
// in EvalStmt.cpp, expressions in EvalExpr.cpp, variables in Variables.cpp,
// calls, procs and sourcing in Calls.cpp.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "mel/Ast.h"
#include "mel/Interpreter.h"
#include "mel/ParseCache.h"
#include "mel/Parser.h"

namespace mel {

namespace detail {

struct Variable {
  ValueType type;
  Value value;
};
using VariablePtr = std::shared_ptr<Variable>;

// The variables one block declared, by name (with '$'); a global is shared
// by every scope that declares it. Blocks declare few variables, so they are
// kept in a list searched by hash before the name is compared; a scope that
// grows large (the global level of a long script) gets an index.
class Scope {
 public:
  // FNV-1a: variable names are short, and this inlines where a library hash
  // would be a call.
  static std::size_t hashOf(const std::string& name) {
    std::size_t h = 14695981039346656037ull;
    for (unsigned char c : name) h = (h ^ c) * 1099511628211ull;
    return h;
  }

  VariablePtr* find(const std::string& name, std::size_t hash);
  const VariablePtr* find(const std::string& name, std::size_t hash) const;
  // Binds `name` to `var`, replacing what it was bound to.
  void bind(const std::string& name, std::size_t hash, VariablePtr var);
  void clear();
  // Whether it never grew past a list, so that keeping it for reuse keeps
  // little memory.
  bool stayedSmall() const { return entries_.capacity() <= kListedAtMost; }

 private:
  static constexpr std::size_t kListedAtMost = 16;
  struct Entry {
    std::size_t hash;
    std::string name;
    VariablePtr var;
  };
  std::vector<Entry> entries_;
  std::unordered_map<std::string, std::size_t> index_;  // into entries_, once large
};

// Every global variable, by name.
using Globals = std::unordered_map<std::string, VariablePtr>;

// A number no interpreter has used for its scopes' state before.
std::uint64_t newScopeEpoch();

struct FileContext;

struct Proc {
  std::shared_ptr<const ProcDef> def;
  // The file whose local procs the body sees. Null for a local proc, which
  // is only ever found through (and run in) its own file.
  std::shared_ptr<FileContext> file;
};

// One source of procs: a file, or everything typed interactively.
struct FileContext {
  std::string name;  // empty for typed text
  std::unordered_map<std::string, Proc> localProcs;
};

enum class Flow { Normal, Break, Continue, Return };

// One activation: the global level of a script, or a proc call.
struct Frame {
  std::vector<std::shared_ptr<Scope>> scopes;  // innermost last
  // Changes whenever a block scope of this frame comes or goes or binds a
  // name; see Interpreter::Impl::lookup.
  std::uint64_t epoch = newScopeEpoch();
  std::shared_ptr<FileContext> file;
  const ProcDef* proc = nullptr;
  bool returned = false;
  Value returnValue;
};

// Where the running statement is, for messages.
struct Location {
  std::shared_ptr<FileContext> file;
  int line = 0;
};

}  // namespace detail

struct Interpreter::Impl {
  explicit Impl(Interpreter& owner);

  Interpreter& self;
  std::unordered_map<std::string, CommandFn> commands;
  std::unordered_map<std::string, detail::Proc> globalProcs;
  detail::Globals globals;
  std::shared_ptr<detail::Scope>
      topScope;  // global-level variables of typed text, kept between runs
  std::shared_ptr<detail::FileContext> typed;
  // A variable node finds its variable where it found it last while neither
  // the running frame's epoch nor this one has changed. This one changes when
  // the scope that frames share (typed text's global level) binds a name or
  // the globals are reset.
  std::uint64_t sharedEpoch = detail::newScopeEpoch();
  // After a name was bound in `scope`, the innermost scope of the running frame.
  void bound(const detail::Scope& scope);
  std::map<std::string, std::shared_ptr<detail::FileContext>> files;
  detail::ParseCache parsed;  // the trees of short texts that run again and again
  std::vector<std::unique_ptr<detail::Frame>> frames;
  // Frames and scopes that ended, kept for the next call or block so that
  // neither costs an allocation (a few, cleared; see FrameGuard, ScopeGuard).
  std::vector<std::unique_ptr<detail::Frame>> spareFrames;
  std::vector<std::shared_ptr<detail::Scope>> spareScopes;
  std::shared_ptr<detail::Scope> takeScope();
  void spareScope(std::shared_ptr<detail::Scope> scope);
  void popFrame();
  detail::Location location;
  int depth = 0;                 // nested proc calls, runs and sources
  int runDepth = 0;              // nested Interpreter::run calls
  std::uint64_t stepBudget = 0;  // statements per outermost run; 0: no limit
  std::uint64_t stepsLeft = 0;
  int stepScopes = 0;  // nested run() and evaluate() calls
  void countStep();
  // Held by run() and evaluate(): the outermost one refills the budget.
  struct StepScope {
    explicit StepScope(Impl& impl) : impl_(impl) {
      if (impl_.stepScopes++ == 0) impl_.stepsLeft = impl_.stepBudget;
    }
    ~StepScope() { --impl_.stepScopes; }
    StepScope(const StepScope&) = delete;
    StepScope& operator=(const StepScope&) = delete;

   private:
    Impl& impl_;
  };
  std::uintptr_t stackBase = 0;
  std::vector<std::string> scriptPath;
  std::set<std::string> autoSourcing;
  std::string lastError;
  std::optional<std::pair<std::size_t, Value>> outArgument;

  detail::Frame& frame() { return *frames.back(); }

  // ---- running (Interpreter.cpp) ----
  Value runScript(const Script& script, const std::shared_ptr<detail::FileContext>& file,
                  bool echo);
  std::shared_ptr<detail::FileContext> contextFor(std::string_view sourceName);
  std::string locate(std::string_view message) const;
  static std::string describe(const ParseError& e);
  void report(const std::string& message, const std::string& placed, bool print);
  void at(int line);

  // ---- statements (EvalStmt.cpp) ----
  detail::Flow exec(const Stmt& s);
  detail::Flow execList(const std::vector<StmtPtr>& list);
  void execDecl(const DeclStmt& d);
  detail::Flow execFor(const ForStmt& f);
  detail::Flow execForIn(const ForInStmt& f);
  detail::Flow execSwitch(const SwitchStmt& s);
  void defineProc(const ProcStmt& p);

  // ---- expressions (EvalExpr.cpp) ----
  Value eval(const Expr& e);
  Value evalIndex(const IndexExpr& e);
  Value evalComponent(const ComponentExpr& e);
  Value evalVectorLiteral(const VectorLiteralExpr& e);
  Value evalUnary(const UnaryExpr& e);
  Value evalBinary(const BinaryExpr& e);
  // The value of a literal or a variable node, read in place; null for any
  // other node, whose value has to be computed.
  const Value* peek(const Expr& e) const;
  Value evalLogical(const LogicalExpr& e);
  Value evalArrayLiteral(const ArrayLiteralExpr& e);
  // What an assignment or ++/-- writes to: a variable, or one element of it,
  // and the value that target holds now.
  struct Target {
    const std::string* name;
    std::optional<long long> index;
    const VariableCache* cache;
  };
  Target targetOf(const Expr& target);
  Value currentValue(const Target& t) const;
  Value evalAssign(const AssignExpr& e) { return assign(e, true); }
  // With `wantResult` false, `$s += x` on a string appends in place and
  // returns no copy of the text, so building a string is linear.
  Value assign(const AssignExpr& e, bool wantResult);
  // Evaluates an expression whose value is not used (statements, for steps).
  void evalForEffect(const Expr& e);
  Value evalIncDec(const IncDecExpr& e);
  Value evalCall(const CallExpr& e);
  Value evalCatch(const CatchExpr& e);

  // ---- variables (Variables.cpp) ----
  // The pointer held by the scope; copy it to keep the variable across code
  // that may run MEL.
  const detail::VariablePtr& find(const std::string& name) const;
  const detail::VariablePtr& lookup(const std::string& name) const;  // throws when undeclared
  // The same through a node's cache: valid until the scopes change.
  detail::Variable& lookup(const std::string& name, const VariableCache& cache) const;
  detail::VariablePtr declareLocal(const std::string& name, ValueType type);
  detail::VariablePtr declareGlobal(const std::string& name, ValueType type, bool& created);
  // Stores v into a variable or an array element (index), declaring an
  // undeclared variable from v's type. Returns the stored value.
  Value store(const std::string& name, std::optional<long long> index, const Value& v);
  Value storeTo(const Expr& target, const Value& v);

  // ---- calls (Calls.cpp) ----
  Value call(const std::string& name, const Args& args);
  Value callFromScriptPath(const std::string& name, const Args& args);
  Value callProc(const detail::Proc& proc, const std::shared_ptr<detail::FileContext>& file,
                 const Args& args);
  Value source(const std::string& pathOrName);
  std::string findOnScriptPath(const std::string& fileName) const;

  // Pushes an activation for the global level of a script or for a proc
  // call; pops it on every exit.
  class FrameGuard {
   public:
    FrameGuard(Impl& impl, std::shared_ptr<detail::FileContext> file, const ProcDef* proc);
    ~FrameGuard() { impl_.popFrame(); }
    FrameGuard(const FrameGuard&) = delete;
    FrameGuard& operator=(const FrameGuard&) = delete;

   private:
    Impl& impl_;
  };

  // A block's scope.
  class ScopeGuard {
   public:
    explicit ScopeGuard(Impl& impl);
    ~ScopeGuard();
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;

   private:
    Impl& impl_;
  };

  // Counts nesting of calls, runs and sources; refuses to go so deep that the
  // C++ stack could overflow.
  class DepthGuard {
   public:
    explicit DepthGuard(Impl& impl);
    ~DepthGuard() { --impl_.depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

   private:
    Impl& impl_;
  };
};

// Registers print, size, eval, source, the math and string functions...
void registerLanguageCommands(Interpreter& interp);

}  // namespace mel
