// Maya's four default cameras and how a view of one frames the scene.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "render/SceneTriangles.h"

namespace render {

enum class CameraKind { Persp, Top, Front, Side };

// "persp", "top", "front", "side", their shapes ("perspShape") or paths
// ("|persp"); nothing for any other name.
std::optional<CameraKind> defaultCamera(const std::string& name);

// A view as OpenGL takes it: column-major matrices.
struct View {
  std::array<float, 16> projection{};
  std::array<float, 16> modelView{};
  bool orthographic = false;
};

// The camera's view at `aspect` (width / height), moved so that everything
// in `bounds` is in sight with a small margin (as viewFit does); an empty
// scene gets the camera's default place. `persp` keeps its direction of
// view (from +X +Y +Z towards the scene), `top` looks down -Y with +X to the
// right and -Z up, `front` looks down -Z, `side` looks down -X.
View frameView(CameraKind camera, const Bounds& bounds, float aspect);

}  // namespace render
