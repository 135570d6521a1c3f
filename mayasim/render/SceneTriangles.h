// The scene's visible meshes as world-space triangles with face normals.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "scene/Types.h"

namespace scene {
class Scene;
}

namespace render {

using Vec3f = std::array<float, 3>;

// An axis-aligned box; empty until a point is added.
struct Bounds {
  bool empty = true;
  Vec3f min{}, max{};
  void add(const Vec3f& p);
  Vec3f center() const;
  float radius() const;  // half the diagonal
};

struct Triangles {
  // Per vertex: x y z nx ny nz; three vertices per triangle.
  std::vector<float> vertices;
  Bounds bounds;
  std::size_t triangleCount() const { return vertices.size() / 18; }
};

// True when the DAG node and every parent above it are visible.
bool isVisible(scene::Scene& scene, scene::NodeId id);

// Every mesh whose own and parents' visibility is on, placed by its
// transforms (translate, rotate, scale, DAG parents).
Triangles sceneTriangles(scene::Scene& scene);

}  // namespace render
