#include "ModuleFiles.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace mayasim::app {

namespace {

namespace fs = std::filesystem;

std::string trim(const std::string& s) {
  const std::size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

std::string under(const std::string& root, const std::string& path) {
  if (path.empty() || path == ".") return root;
  return fs::path(path).is_absolute() ? path : (fs::path(root) / path).lexically_normal().string();
}

// The root of the module a "+" line starts, or "" when it does not apply here.
std::string moduleRoot(const std::string& line, const std::string& modDir) {
  std::istringstream words(line.substr(1));
  std::vector<std::string> rest;
  std::string w;
  while (words >> w) {
    const std::size_t colon = w.find(':');
    if (rest.empty() && colon != std::string::npos && colon > 0 &&
        w.find('/') == std::string::npos) {
      if (w.compare(0, colon, "PLATFORM") == 0 && w.substr(colon + 1) != "linux") return {};
      continue;  // MAYAVERSION:, LOCALE: ... any is accepted
    }
    rest.push_back(w);
  }
  if (rest.size() < 3) return {};
  // name, version, then the path, which may hold spaces.
  const std::size_t at =
      line.find(rest[2], line.find(rest[1], line.find(rest[0])) + rest[1].size());
  return under(fs::path(modDir).lexically_normal().string(), trim(line.substr(at)));
}

void addUnique(std::vector<std::string>& to, const std::string& dir) {
  if (std::find(to.begin(), to.end(), dir) == to.end()) to.push_back(dir);
}

void addExisting(std::vector<std::string>& to, const std::string& dir) {
  std::error_code ignored;
  if (fs::is_directory(dir, ignored)) addUnique(to, dir);
}

// "MAYA_PLUG_IN_PATH+:=plug-ins" and its kin, applied to the module's folders.
void applyVariable(const std::string& line, const std::string& root, ModuleFolders& module) {
  const std::size_t eq = line.find('=');
  if (eq == std::string::npos || eq == 0) return;
  std::string name = line.substr(0, eq);
  bool append = false, relative = false;
  if (!name.empty() && name.back() == ':') relative = true, name.pop_back();
  if (!name.empty() && name.back() == '+') append = true, name.pop_back();
  name = trim(name);
  std::vector<std::string>* target = name == "MAYA_PLUG_IN_PATH"  ? &module.plugIns
                                     : name == "MAYA_SCRIPT_PATH" ? &module.scripts
                                                                  : nullptr;
  if (!target) return;
  const std::string value = trim(line.substr(eq + 1));
  if (!append) target->clear();
  std::size_t start = 0;
  while (start <= value.size()) {
    std::size_t end = value.find(':', start);
    if (end == std::string::npos) end = value.size();
    const std::string part = trim(value.substr(start, end - start));
    if (!part.empty()) addUnique(*target, relative ? under(root, part) : part);
    start = end + 1;
  }
}

void merge(ModuleFolders& into, const ModuleFolders& from) {
  for (const std::string& d : from.plugIns) addUnique(into.plugIns, d);
  for (const std::string& d : from.scripts) addUnique(into.scripts, d);
}

void appendToEnv(const char* name, const std::vector<std::string>& dirs) {
  if (dirs.empty()) return;
  const char* old = std::getenv(name);
  std::string value = old ? old : "";
  for (const std::string& d : dirs) value += (value.empty() ? "" : ":") + d;
  setenv(name, value.c_str(), 1);
}

}  // namespace

ModuleFolders parseModuleFile(const std::string& text, const std::string& modDir) {
  ModuleFolders all, current;
  std::string root;
  auto finish = [&] {
    merge(all, current);
    current = {};
  };
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    line = trim(line);
    if (line.empty() || line[0] == '#' || line.compare(0, 2, "//") == 0) continue;
    if (line[0] == '+' || line[0] == '-') {
      finish();
      root = line[0] == '+' ? moduleRoot(line, modDir) : std::string();
      if (!root.empty()) {
        addExisting(current.plugIns, under(root, "plug-ins"));
        addExisting(current.scripts, under(root, "scripts"));
      }
    } else if (!root.empty()) {
      applyVariable(line, root, current);
    }
  }
  finish();
  return all;
}

ModuleFolders findModules(const std::vector<std::string>& dirs) {
  ModuleFolders all;
  for (const std::string& dir : dirs) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
      if (it->path().extension() == ".mod" && it->is_regular_file(error))
        files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& f : files) {
      std::ifstream in(f);
      std::ostringstream text;
      text << in.rdbuf();
      merge(all, parseModuleFile(text.str(), dir));
    }
  }
  return all;
}

void applyModulePath() {
  const char* value = std::getenv("MAYA_MODULE_PATH");
  if (!value) return;
  std::vector<std::string> dirs;
  std::istringstream parts(value);
  std::string dir;
  while (std::getline(parts, dir, ':')) {
    if (!dir.empty()) dirs.push_back(dir);
  }
  const ModuleFolders found = findModules(dirs);
  appendToEnv("MAYA_PLUG_IN_PATH", found.plugIns);
  appendToEnv("MAYA_SCRIPT_PATH", found.scripts);
}

}  // namespace mayasim::app
