#include "render/SceneTriangles.h"

#include <algorithm>
#include <cmath>

#include "scene/Scene.h"
#include "scene/TransformMath.h"

namespace render {

namespace {

// The six faces of a box centred on the origin: the outward axis and sign,
// and the two in-plane axes ordered so that (u, v, outward) turns the right way.
struct Face {
  int axis, u, v;
  double sign;
};
constexpr Face kFaces[6] = {{0, 1, 2, 1},  {0, 2, 1, -1}, {1, 2, 0, 1},
                            {1, 0, 2, -1}, {2, 0, 1, 1},  {2, 1, 0, -1}};

bool visibleSelf(scene::Scene& scene, scene::NodeId id) {
  const int attr = scene.node(id)->type().findAttr("visibility");
  return attr < 0 || scene.getDouble(scene::Plug{id, attr}) != 0;
}

Vec3f toFloat(const scene::Vec3& v) {
  return {static_cast<float>(v[0]), static_cast<float>(v[1]), static_cast<float>(v[2])};
}

// Normals go through the inverse transpose, so scaled boxes keep square corners lit right.
Vec3f normalOf(const scene::Vec3& n, const scene::Matrix4& inv) {
  scene::Vec3 out{};
  for (std::size_t j = 0; j < 3; ++j) {
    for (std::size_t i = 0; i < 3; ++i) out[j] += n[i] * inv.m[j][i];
  }
  const double len = std::sqrt(out[0] * out[0] + out[1] * out[1] + out[2] * out[2]);
  if (len == 0) return {0, 0, 0};
  return toFloat({out[0] / len, out[1] / len, out[2] / len});
}

double determinant3(const scene::Matrix4& a) {
  const auto& m = a.m;
  return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
         m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
         m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

// Triangles wind counter-clockwise seen from outside; a mirroring transform
// would turn them, so their corners are then taken the other way round.
void addBox(const scene::MeshData& mesh, const scene::Matrix4& world, Triangles& out) {
  const scene::Matrix4 inv = scene::inverse(world);
  const bool mirrored = determinant3(world) < 0;
  static constexpr int kOrder[2][6] = {{0, 1, 2, 0, 2, 3}, {0, 2, 1, 0, 3, 2}};
  const double half[3] = {mesh.width / 2, mesh.height / 2, mesh.depth / 2};
  for (const Face& f : kFaces) {
    scene::Vec3 corner[4];
    const double us[4] = {-1, 1, 1, -1}, vs[4] = {-1, -1, 1, 1};
    for (int c = 0; c < 4; ++c) {
      scene::Vec3 p{};
      p[static_cast<std::size_t>(f.axis)] = f.sign * half[f.axis];
      p[static_cast<std::size_t>(f.u)] = us[c] * half[f.u];
      p[static_cast<std::size_t>(f.v)] = vs[c] * half[f.v];
      corner[c] = scene::transformPoint(p, world);
    }
    scene::Vec3 axisNormal{};
    axisNormal[static_cast<std::size_t>(f.axis)] = f.sign;
    const Vec3f n = normalOf(axisNormal, inv);
    for (int c : kOrder[mirrored ? 1 : 0]) {
      const Vec3f p = toFloat(corner[c]);
      out.vertices.insert(out.vertices.end(), {p[0], p[1], p[2], n[0], n[1], n[2]});
      out.bounds.add(p);
    }
  }
}

}  // namespace

void Bounds::add(const Vec3f& p) {
  if (empty) {
    min = max = p;
    empty = false;
    return;
  }
  for (std::size_t i = 0; i < 3; ++i) {
    min[i] = std::min(min[i], p[i]);
    max[i] = std::max(max[i], p[i]);
  }
}

Vec3f Bounds::center() const {
  return {(min[0] + max[0]) / 2, (min[1] + max[1]) / 2, (min[2] + max[2]) / 2};
}

float Bounds::radius() const {
  const float dx = max[0] - min[0], dy = max[1] - min[1], dz = max[2] - min[2];
  return std::sqrt(dx * dx + dy * dy + dz * dz) / 2;
}

bool isVisible(scene::Scene& scene, scene::NodeId id) {
  for (scene::NodeId at = id; at != scene::kNoNode; at = scene.parentOf(at)) {
    if (!visibleSelf(scene, at)) return false;
  }
  return true;
}

Triangles sceneTriangles(scene::Scene& scene) {
  std::vector<scene::NodeId> meshes;
  for (scene::NodeId id : scene.allNodes()) {
    if (scene.node(id)->type().isA("mesh") && isVisible(scene, id)) meshes.push_back(id);
  }
  Triangles out;
  out.vertices.reserve(meshes.size() * 6 * 6 * 6);
  for (scene::NodeId id : meshes) {
    const scene::MeshData mesh = scene.getMesh(scene.plug(id, "outMesh"));
    if (!mesh.valid) continue;
    addBox(mesh, scene::inclusiveMatrix(scene, id), out);
  }
  return out;
}

}  // namespace render
