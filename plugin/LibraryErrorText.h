// The OSC library's error texts, made fit to stand inside a sentence.
#pragma once

#include <string>

namespace zub {

// `what` without the line feeds, carriage returns and spaces oscpack leaves at
// the end of its messages.
std::string libraryErrorText(const char* what);

}  // namespace zub
