// Draws triangles and a ground grid off screen with Mesa's OpenGL (OSMesa).
#pragma once

#include <stdexcept>
#include <vector>

#include "render/SceneTriangles.h"
#include "render/ViewCamera.h"

namespace render {

class RenderError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Picture {
  int width = 0, height = 0;
  std::vector<unsigned char> rgba;  // top row first, 4 bytes a pixel
};

struct RenderOptions {
  int width = 0, height = 0;
  bool ornaments = true;  // the ground grid and its axes
};

// The background colour every pixel not covered by something has.
constexpr unsigned char kBackground[3] = {92, 92, 92};

// The largest side a picture may have.
constexpr int kMaxSide = 8192;

// Renders `triangles` seen through `view`: a grey material lit from the
// camera's upper left. Throws RenderError for a size outside 1..kMaxSide or
// when no OpenGL context can be made.
Picture renderPicture(const Triangles& triangles, const View& view, const RenderOptions& options);

}  // namespace render
