#include "plugin/LibraryErrorText.h"

namespace zub {

std::string libraryErrorText(const char* what) {
  std::string text(what);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
    text.pop_back();
  }
  return text;
}

}  // namespace zub
