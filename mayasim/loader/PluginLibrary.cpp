#include "PluginLibrary.h"

#include <dlfcn.h>

#include <utility>

namespace mayasim {

namespace {

std::string lastLoaderError() {
  const char* text = dlerror();
  return text != nullptr ? text : "unknown dynamic loader error";
}

}  // namespace

PluginLibrary::PluginLibrary(PluginLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), path_(std::move(other.path_)) {}

PluginLibrary& PluginLibrary::operator=(PluginLibrary&& other) noexcept {
  if (this != &other) {
    close();
    handle_ = std::exchange(other.handle_, nullptr);
    path_ = std::move(other.path_);
  }
  return *this;
}

PluginLibrary PluginLibrary::open(const std::string& path, std::string& error) {
  PluginLibrary library;
  dlerror();
  library.handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library.handle_ == nullptr) {
    error = lastLoaderError();
  } else {
    library.path_ = path;
  }
  return library;
}

void* PluginLibrary::symbol(const char* name) const {
  if (handle_ == nullptr) return nullptr;
  return dlsym(handle_, name);
}

bool PluginLibrary::close(std::string* error) {
  if (handle_ == nullptr) return true;
  void* handle = std::exchange(handle_, nullptr);
  dlerror();
  if (dlclose(handle) != 0) {
    if (error != nullptr) *error = lastLoaderError();
    return false;
  }
  return true;
}

bool PluginLibrary::isResident(const std::string& path) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NOLOAD);
  if (handle == nullptr) return false;
  dlclose(handle);  // balances the reference RTLD_NOLOAD just took
  return true;
}

}  // namespace mayasim
