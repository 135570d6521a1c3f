// The public face of the interpreter: running text, reporting errors once,
// the command table, globals and the script path.
#include "mel/Interpreter.h"

#include <algorithm>
#include <cstdlib>

#include "mel/Runtime.h"

namespace mel {

using detail::FileContext;

namespace {

constexpr int kMaxDepth = 1000;
// C++ stack that nested MEL may use below the outermost entry point.
constexpr std::uintptr_t kStackBudget = 4u << 20;
// Ended frames and scopes kept for reuse.
constexpr std::size_t kSpareFrames = 32;
constexpr std::size_t kSpareScopes = 64;

std::vector<std::string> splitPath(const char* text) {
  std::vector<std::string> dirs;
  if (!text) return dirs;
  std::string s(text);
  std::size_t start = 0;
  while (start <= s.size()) {
    std::size_t end = s.find(':', start);
    if (end == std::string::npos) end = s.size();
    if (end > start) dirs.push_back(s.substr(start, end - start));
    start = end + 1;
  }
  return dirs;
}

std::string resultText(const Value& v) {
  return v.isVector() ? formatVectorLiteral(v.asVector()) : v.toString();
}

}  // namespace

Interpreter::Impl::FrameGuard::FrameGuard(Impl& impl, std::shared_ptr<FileContext> file,
                                          const ProcDef* proc)
    : impl_(impl) {
  std::unique_ptr<detail::Frame> f;
  if (impl.spareFrames.empty()) {
    f = std::make_unique<detail::Frame>();
  } else {
    f = std::move(impl.spareFrames.back());
    impl.spareFrames.pop_back();
  }
  // Typed text (and eval) shares one global level that lasts between runs,
  // as in an interactive session; a file's global level lasts one run.
  bool typedText = !proc && file == impl.typed;
  f->scopes.push_back(typedText ? impl.topScope : impl.takeScope());
  f->file = std::move(file);
  f->proc = proc;
  impl.frames.push_back(std::move(f));
}

void Interpreter::Impl::popFrame() {
  std::unique_ptr<detail::Frame> f = std::move(frames.back());
  frames.pop_back();
  for (std::shared_ptr<detail::Scope>& scope : f->scopes) spareScope(std::move(scope));
  if (spareFrames.size() >= kSpareFrames) return;
  // A fresh frame (and epoch) that keeps the scope list's memory.
  std::vector<std::shared_ptr<detail::Scope>> scopes = std::move(f->scopes);
  scopes.clear();
  *f = detail::Frame();
  f->scopes = std::move(scopes);
  spareFrames.push_back(std::move(f));
}

std::shared_ptr<detail::Scope> Interpreter::Impl::takeScope() {
  if (spareScopes.empty()) return std::make_shared<detail::Scope>();
  std::shared_ptr<detail::Scope> scope = std::move(spareScopes.back());
  spareScopes.pop_back();
  return scope;
}

// Only a small scope that nothing else holds is kept: typed text's global
// level lasts, and a scope that grew large gives its memory back.
void Interpreter::Impl::spareScope(std::shared_ptr<detail::Scope> scope) {
  if (scope.use_count() != 1 || !scope->stayedSmall() || spareScopes.size() >= kSpareScopes) return;
  scope->clear();
  spareScopes.push_back(std::move(scope));
}

Interpreter::Impl::ScopeGuard::ScopeGuard(Impl& impl) : impl_(impl) {
  impl.frame().scopes.push_back(impl.takeScope());
  impl.frame().epoch = detail::newScopeEpoch();
}

Interpreter::Impl::ScopeGuard::~ScopeGuard() {
  std::shared_ptr<detail::Scope> scope = std::move(impl_.frame().scopes.back());
  impl_.frame().scopes.pop_back();
  impl_.frame().epoch = detail::newScopeEpoch();
  impl_.spareScope(std::move(scope));
}

Interpreter::Impl::DepthGuard::DepthGuard(Impl& impl) : impl_(impl) {
  auto here = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
  if (impl.depth == 0) impl.stackBase = here;
  bool tooDeep =
      impl.depth >= kMaxDepth || (here < impl.stackBase && impl.stackBase - here > kStackBudget);
  if (tooDeep) throw Error("Procedure calls are nested too deeply (stack overflow).");
  ++impl.depth;
}

Interpreter::Impl::Impl(Interpreter& owner)
    : self(owner),
      topScope(std::make_shared<detail::Scope>()),
      typed(std::make_shared<FileContext>()),
      scriptPath(splitPath(std::getenv("MAYA_SCRIPT_PATH"))) {}

std::shared_ptr<FileContext> Interpreter::Impl::contextFor(std::string_view sourceName) {
  if (sourceName.empty()) return typed;
  auto& ctx = files[std::string(sourceName)];
  if (!ctx) {
    ctx = std::make_shared<FileContext>();
    ctx->name = std::string(sourceName);
  }
  return ctx;
}

void Interpreter::Impl::at(int line) {
  location.line = line;
  if (location.file != frame().file) location.file = frame().file;
}

std::string Interpreter::Impl::locate(std::string_view message) const {
  if (location.line <= 0) return std::string(message);
  std::string where = "line " + std::to_string(location.line) + ": ";
  if (location.file && !location.file->name.empty())
    where = "file: " + location.file->name + " " + where;
  return where + std::string(message);
}

std::string Interpreter::Impl::describe(const ParseError& e) {
  std::string where = "line " + std::to_string(e.line());
  if (e.showColumn()) where += "." + std::to_string(e.column());
  if (!e.sourceName().empty()) where = "file: " + e.sourceName() + " " + where;
  return where + ": " + e.what();
}

void Interpreter::Impl::report(const std::string& message, const std::string& placed, bool print) {
  lastError = message;
  if (print) self.output().error(placed);
}

Value Interpreter::Impl::runScript(const Script& script, const std::shared_ptr<FileContext>& file,
                                   bool echo) {
  DepthGuard depthGuard(*this);
  FrameGuard frameGuard(*this, file, nullptr);
  // Global procs of the script exist from its start, so that its code may
  // call one defined further down.
  for (const StmtPtr& s : script.statements)
    if (s->kind == StmtKind::Proc && static_cast<const ProcStmt&>(*s).proc->global)
      defineProc(static_cast<const ProcStmt&>(*s));
  Value last;
  for (const StmtPtr& s : script.statements) {
    last = Value();
    if (s->kind == StmtKind::Expr && s == script.statements.back()) {
      at(s->line);
      last = eval(*static_cast<const ExprStmt&>(*s).expr);  // the script's value
    } else if (exec(*s) == detail::Flow::Return) {
      break;  // `return` at the global level ends the script
    }
  }
  if (echo && !last.isNoResult()) self.output().result(resultText(last));
  return last;
}

Interpreter::Interpreter(Output& out) : out_(&out), impl_(std::make_unique<Impl>(*this)) {
  registerLanguageCommands(*this);
}

Interpreter::~Interpreter() = default;

bool Interpreter::registerCommand(const std::string& name, CommandFn fn) {
  if (name.empty() || !fn) return false;
  return impl_->commands.emplace(name, std::move(fn)).second;
}

bool Interpreter::unregisterCommand(const std::string& name) {
  return impl_->commands.erase(name) > 0;
}

bool Interpreter::hasCommand(const std::string& name) const {
  return impl_->commands.count(name) > 0;
}

std::vector<std::string> Interpreter::commandNames() const {
  std::vector<std::string> names;
  for (const auto& [name, fn] : impl_->commands) names.push_back(name);
  std::sort(names.begin(), names.end());
  return names;
}

RunResult Interpreter::run(std::string_view source, std::string_view sourceName) {
  Impl& I = *impl_;
  RunResult result;
  detail::Location saved = I.location;
  Impl::StepScope steps(I);
  ++I.runDepth;
  try {
    const std::shared_ptr<const Script> script = I.parsed.parse(source, sourceName);
    result.value = I.runScript(*script, I.contextFor(sourceName), echoResults_ && I.runDepth == 1);
  } catch (const ParseError& e) {
    I.report(e.what(), Impl::describe(e), true);
    result.ok = false;
  } catch (const std::exception& e) {
    I.report(e.what(), I.locate(e.what()), true);
    result.ok = false;
  }
  --I.runDepth;
  I.location = saved;
  I.outArgument.reset();
  if (!result.ok) result.value = Value();
  return result;
}

void Interpreter::setStepBudget(std::uint64_t steps) {
  impl_->stepBudget = steps;
  impl_->stepsLeft = steps;
}

Value Interpreter::evaluate(std::string_view source) {
  Impl& I = *impl_;
  const std::shared_ptr<const Script> script = I.parsed.parse(source, {});
  detail::Location saved = I.location;
  Impl::StepScope steps(I);
  Value v = I.runScript(*script, I.typed, false);
  I.location = saved;
  return v;
}

Value Interpreter::call(const std::string& name, const Args& args) {
  Value v = impl_->call(name, args);
  impl_->outArgument.reset();
  return v;
}

bool Interpreter::hasGlobal(const std::string& name) const {
  return impl_->globals.count(name) > 0;
}

Value Interpreter::global(const std::string& name) const {
  auto it = impl_->globals.find(name);
  return it == impl_->globals.end() ? Value() : it->second->value;
}

void Interpreter::setScriptPath(std::vector<std::string> dirs) {
  impl_->scriptPath = std::move(dirs);
}

int Interpreter::currentLine() const { return impl_->location.line; }

void Interpreter::resetGlobals() {
  Impl& I = *impl_;
  I.globals.clear();
  I.globalProcs.clear();
  I.topScope->clear();
  I.sharedEpoch = detail::newScopeEpoch();
  I.typed->localProcs.clear();
  I.files.clear();
  I.lastError.clear();
}

std::string Interpreter::locate(std::string_view message) const { return impl_->locate(message); }

void Interpreter::warning(std::string_view message) { out_->warning(impl_->locate(message)); }

const std::string& Interpreter::lastError() const { return impl_->lastError; }

void Interpreter::setOutArgument(std::size_t index, Value v) {
  impl_->outArgument.emplace(index, std::move(v));
}

}  // namespace mel
