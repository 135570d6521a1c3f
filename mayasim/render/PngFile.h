// Writing a picture as a PNG file, whole or not at all.
#pragma once

#include <string>

#include "render/GlRender.h"

namespace render {

// Encodes `picture` and puts it at `path` in one step (a temporary file in
// the same folder, renamed over the target), so a failure leaves no file
// behind. Returns an empty string on success, else why it failed.
std::string writePng(const Picture& picture, const std::string& path);

}  // namespace render
