// Calling by name: commands, then global procs, then the running file's
// local procs, then <name>.mel on the script path. Also `source`.
#include <sys/stat.h>
#include <fstream>
#include <sstream>

#include "mel/Runtime.h"

namespace mel {

namespace {

bool isFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool endsWithMel(const std::string& s) {
  return s.size() >= 4 && s.compare(s.size() - 4, 4, ".mel") == 0;
}

// Out of line so that the callers' frames stay small.
[[noreturn]] void wrongArgumentCount(const std::string& proc) {
  throw Error("Wrong number of arguments on call to " + proc + ".");
}

}  // namespace

Value Interpreter::Impl::call(const std::string& name, const Args& args) {
  if (auto it = commands.find(name); it != commands.end()) {
    CommandFn fn = it->second;  // a copy: the command may unregister itself
    return fn(self, args);
  }
  if (auto it = globalProcs.find(name); it != globalProcs.end()) {
    detail::Proc proc = it->second;
    return callProc(proc, proc.file, args);
  }
  if (!frames.empty()) {
    std::shared_ptr<detail::FileContext> file = frame().file;
    if (auto it = file->localProcs.find(name); it != file->localProcs.end()) {
      detail::Proc proc = it->second;
      return callProc(proc, file, args);
    }
  }
  return callFromScriptPath(name, args);
}

// Sources <name>.mel from the script path and calls the global proc it
// defines. Kept apart from call() so that call's frame stays small.
Value Interpreter::Impl::callFromScriptPath(const std::string& name, const Args& args) {
  std::string path = findOnScriptPath(name + ".mel");
  if (!path.empty() && autoSourcing.insert(path).second) {
    try {
      source(path);
    } catch (...) {
      autoSourcing.erase(path);
      throw;
    }
    autoSourcing.erase(path);
    if (auto it = globalProcs.find(name); it != globalProcs.end()) {
      detail::Proc proc = it->second;
      return callProc(proc, proc.file, args);
    }
  }
  throw Error("Cannot find procedure \"" + name + "\".");
}

Value Interpreter::Impl::callProc(const detail::Proc& proc,
                                  const std::shared_ptr<detail::FileContext>& file,
                                  const Args& args) {
  const ProcDef& def = *proc.def;
  if (args.size() != def.params.size()) wrongArgumentCount(def.name);
  DepthGuard depthGuard(*this);
  detail::Location saved = location;
  std::vector<Value> params;
  params.reserve(args.size());
  for (std::size_t i = 0; i < args.size(); ++i)
    params.push_back(args[i].convertTo(def.params[i].type));

  FrameGuard frameGuard(*this, file, &def);
  for (std::size_t i = 0; i < params.size(); ++i)
    declareLocal(def.params[i].name, def.params[i].type)->value = std::move(params[i]);
  execList(def.body->body);

  Value result;
  if (def.returnType) {
    if (!frame().returned || frame().returnValue.isNoResult())
      throw Error("Procedure is missing a return statement.");
    result = frame().returnValue.convertTo(*def.returnType);
  }
  location = saved;
  return result;
}

std::string Interpreter::Impl::findOnScriptPath(const std::string& fileName) const {
  for (const std::string& dir : scriptPath) {
    std::string path = dir.empty() || dir.back() == '/' ? dir + fileName : dir + "/" + fileName;
    if (isFile(path)) return path;
  }
  return {};
}

Value Interpreter::Impl::source(const std::string& pathOrName) {
  std::string path = self.findScript(pathOrName);
  if (path.empty()) throw Error("Cannot find file \"" + pathOrName + "\" for source statement.");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Error("Cannot open file \"" + path + "\" for source statement.");
  std::ostringstream text;
  text << in.rdbuf();
  auto script = parseScript(text.str(), path);
  detail::Location saved = location;
  Value v = runScript(*script, contextFor(path), false);
  location = saved;
  return v;
}

std::string Interpreter::findScript(const std::string& name) const {
  if (name.empty()) return {};
  std::vector<std::string> candidates{name};
  if (!endsWithMel(name)) candidates.push_back(name + ".mel");
  bool plainName = name.find('/') == std::string::npos;
  for (const std::string& c : candidates) {
    if (plainName) {
      std::string found = impl_->findOnScriptPath(c);
      if (!found.empty()) return found;
    }
    if (isFile(c)) return c;
  }
  return {};
}

bool Interpreter::procExists(const std::string& name) const {
  const Impl& I = *impl_;
  if (I.commands.count(name) || I.globalProcs.count(name)) return true;
  return !I.frames.empty() && I.frames.back()->file->localProcs.count(name) > 0;
}

Value Interpreter::sourceFile(const std::string& pathOrName) { return impl_->source(pathOrName); }

}  // namespace mel
