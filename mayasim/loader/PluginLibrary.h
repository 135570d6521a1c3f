// A plug-in's shared library as the loader sees it: opened with RTLD_NOW |
// RTLD_LOCAL so that two plug-ins never see each other's symbols and every
// missing symbol is reported at load, not at first call.
#pragma once

#include <string>

namespace mayasim {

class PluginLibrary {
 public:
  PluginLibrary() = default;
  ~PluginLibrary() { close(); }
  PluginLibrary(PluginLibrary&& other) noexcept;
  PluginLibrary& operator=(PluginLibrary&& other) noexcept;
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  // Opens `path`. On failure the result is not open and `error` holds the
  // loader's message (dlerror).
  static PluginLibrary open(const std::string& path, std::string& error);

  bool isOpen() const { return handle_ != nullptr; }
  const std::string& path() const { return path_; }

  // Address of an exported symbol, or nullptr.
  void* symbol(const char* name) const;

  // Drops our reference (dlclose). Returns false with the loader's message
  // in `error` when dlclose fails. Closing a closed library does nothing.
  bool close(std::string* error = nullptr);

  // Forgets the library without closing it (it stays mapped).
  void release() { handle_ = nullptr; }

  // True while the dynamic loader still has `path` mapped in this process.
  static bool isResident(const std::string& path);

 private:
  void* handle_ = nullptr;
  std::string path_;
};

}  // namespace mayasim
