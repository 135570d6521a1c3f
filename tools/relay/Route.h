// Routes: which argument of which incoming address feeds which token position
// of the "/zubbase" text. Written "ADDRESS ARG -> POSITION", e.g.
// "/1/fader1 0 -> 2": argument 0 of /1/fader1 becomes token 2.
#pragma once

#include <string>
#include <vector>

#include "AddressPattern.h"

namespace zubrelay {

constexpr int kTokenPositions = 10;  // the plug-in maps positions 0 to 9
constexpr int kMaxArgumentIndex = 255;

struct Route {
  AddressPattern address;
  int argument;
  int position;
};

// One route from its text; throws std::invalid_argument saying what is wrong.
Route parseRoute(const std::string& text);

// The routes of a file: one a line; `#` starts a comment; blank lines are
// skipped. Throws std::invalid_argument as "FILE:LINE: reason" for a bad
// line, or naming the file when it cannot be read.
std::vector<Route> readRouteFile(const std::string& path);

}  // namespace zubrelay
