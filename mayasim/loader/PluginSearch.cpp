#include "PluginSearch.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>

namespace mayasim {

namespace {

constexpr char kExtension[] = ".so";

bool endsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool isRegularFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string absolutePath(const std::string& path) {
  char resolved[PATH_MAX];
  if (realpath(path.c_str(), resolved) != nullptr) return resolved;
  return path;
}

std::string findIn(const std::vector<std::string>& dirs,
                   const std::vector<std::string>& fileNames) {
  for (const std::string& dir : dirs) {
    for (const std::string& fileName : fileNames) {
      const std::string candidate = endsWith(dir, "/") ? dir + fileName : dir + "/" + fileName;
      if (isRegularFile(candidate)) return absolutePath(candidate);
    }
  }
  return {};
}

}  // namespace

bool isPluginPath(const std::string& nameOrPath) {
  return nameOrPath.find('/') != std::string::npos || endsWith(nameOrPath, kExtension);
}

std::string pluginNameOf(const std::string& nameOrPath) {
  const std::size_t slash = nameOrPath.rfind('/');
  std::string name = slash == std::string::npos ? nameOrPath : nameOrPath.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

std::vector<std::string> splitSearchPath(const std::string& searchPath) {
  std::vector<std::string> dirs;
  std::size_t start = 0;
  while (start <= searchPath.size()) {
    std::size_t end = searchPath.find(':', start);
    if (end == std::string::npos) end = searchPath.size();
    if (end > start) dirs.push_back(searchPath.substr(start, end - start));
    start = end + 1;
  }
  return dirs;
}

std::string findPluginFile(const std::string& nameOrPath, const std::vector<std::string>& dirs) {
  if (nameOrPath.empty()) return {};
  if (nameOrPath.find('/') != std::string::npos) {
    return isRegularFile(nameOrPath) ? absolutePath(nameOrPath) : std::string();
  }
  if (endsWith(nameOrPath, kExtension)) {
    if (isRegularFile(nameOrPath)) return absolutePath(nameOrPath);
    return findIn(dirs, {nameOrPath});
  }
  return findIn(dirs, {nameOrPath + kExtension, nameOrPath});
}

std::vector<std::string> pluginSearchPath() {
  const char* value = std::getenv("MAYA_PLUG_IN_PATH");
  return splitSearchPath(value != nullptr ? value : "");
}

}  // namespace mayasim
