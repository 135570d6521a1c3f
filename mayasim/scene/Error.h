// The one exception the scene throws: a refused request, worded as Maya
// words it. Whatever throws it has left the scene unchanged.
#pragma once

#include <stdexcept>

namespace scene {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace scene
