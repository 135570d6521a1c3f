#include "render/ViewCamera.h"

#include <algorithm>
#include <cmath>

namespace render {

namespace {

// Maya's default persp camera: 35 mm lens, 36 mm wide film gate, placed at
// (28, 21, 28) and looking at the origin; the orthographic ones are 30 wide.
constexpr double kPerspHorizontalFov = 2 * 0.47513146390886934;  // 2 atan(18 / 35)
const Vec3f kPerspHome{28, 21, 28};
constexpr float kOrthoHomeWidth = 30;
constexpr float kFitMargin = 1.1f;

struct Basis {
  Vec3f forward, up;
};

Basis basisOf(CameraKind camera) {
  switch (camera) {
    case CameraKind::Top:
      return {{0, -1, 0}, {0, 0, -1}};
    case CameraKind::Front:
      return {{0, 0, -1}, {0, 1, 0}};
    case CameraKind::Side:
      return {{-1, 0, 0}, {0, 1, 0}};
    case CameraKind::Persp:
      break;
  }
  const float len = std::sqrt(28.f * 28 + 21 * 21 + 28 * 28);
  const Vec3f f{-28 / len, -21 / len, -28 / len};
  // Up: world Y made perpendicular to the direction of view.
  Vec3f up{-f[0] * f[1], 1 - f[1] * f[1], -f[2] * f[1]};
  const float ul = std::sqrt(up[0] * up[0] + up[1] * up[1] + up[2] * up[2]);
  return {f, {up[0] / ul, up[1] / ul, up[2] / ul}};
}

Vec3f cross(const Vec3f& a, const Vec3f& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

float dot(const Vec3f& a, const Vec3f& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

std::array<float, 16> lookAlong(const Vec3f& eye, const Basis& b) {
  const Vec3f r = cross(b.forward, b.up);
  const Vec3f& u = b.up;
  const Vec3f& f = b.forward;
  return {r[0], u[0], -f[0], 0, r[1],         u[1],         -f[1],       0,
          r[2], u[2], -f[2], 0, -dot(r, eye), -dot(u, eye), dot(f, eye), 1};
}

std::array<float, 16> perspective(float verticalFov, float aspect, float nearZ, float farZ) {
  const float t = 1 / std::tan(verticalFov / 2);
  return {t / aspect,
          0,
          0,
          0,
          0,
          t,
          0,
          0,
          0,
          0,
          (farZ + nearZ) / (nearZ - farZ),
          -1,
          0,
          0,
          2 * farZ * nearZ / (nearZ - farZ),
          0};
}

std::array<float, 16> orthographic(float halfW, float halfH, float nearZ, float farZ) {
  return {1 / halfW,
          0,
          0,
          0,
          0,
          1 / halfH,
          0,
          0,
          0,
          0,
          -2 / (farZ - nearZ),
          0,
          0,
          0,
          -(farZ + nearZ) / (farZ - nearZ),
          1};
}

View perspView(const Bounds& bounds, float aspect) {
  const Basis b = basisOf(CameraKind::Persp);
  const float hfov = static_cast<float>(kPerspHorizontalFov);
  const float vfov = 2 * std::atan(std::tan(hfov / 2) / aspect);
  Vec3f eye = kPerspHome;
  float nearZ = 0.1f, farZ = 10000;
  if (!bounds.empty) {
    const Vec3f c = bounds.center();
    const float r = std::max(bounds.radius(), 1e-3f);
    const float d = kFitMargin * r / std::sin(std::min(hfov, vfov) / 2);
    eye = {c[0] - b.forward[0] * d, c[1] - b.forward[1] * d, c[2] - b.forward[2] * d};
    nearZ = std::max(d - 2 * r, d * 1e-3f);
    farZ = d + 50 * r + 1000;  // the ground grid reaches past the scene
  }
  View v;
  v.modelView = lookAlong(eye, b);
  v.projection = perspective(vfov, aspect, nearZ, farZ);
  return v;
}

View orthoView(CameraKind camera, const Bounds& bounds, float aspect) {
  const Basis b = basisOf(camera);
  const Vec3f right = cross(b.forward, b.up);
  Vec3f center{0, 0, 0};
  float halfW = kOrthoHomeWidth / 2;
  if (!bounds.empty) {
    center = bounds.center();
    const Vec3f ext{(bounds.max[0] - bounds.min[0]) / 2, (bounds.max[1] - bounds.min[1]) / 2,
                    (bounds.max[2] - bounds.min[2]) / 2};
    auto along = [&](const Vec3f& axis) {
      return std::fabs(axis[0]) * ext[0] + std::fabs(axis[1]) * ext[1] +
             std::fabs(axis[2]) * ext[2];
    };
    halfW = kFitMargin * std::max({along(right), along(b.up) * aspect, 1e-3f});
  }
  // Stand well back along the view axis; depth only needs to cover the scene and the grid.
  const float reach = std::max(1000.f, bounds.empty ? 0.f : 4 * bounds.radius());
  const Vec3f eye{center[0] - b.forward[0] * reach, center[1] - b.forward[1] * reach,
                  center[2] - b.forward[2] * reach};
  View v;
  v.orthographic = true;
  v.modelView = lookAlong(eye, b);
  v.projection = orthographic(halfW, halfW / aspect, 1, 2 * reach);
  return v;
}

}  // namespace

std::optional<CameraKind> defaultCamera(const std::string& name) {
  std::string n = name;
  if (!n.empty() && n[0] == '|') n.erase(0, 1);
  const std::size_t bar = n.find('|');
  if (bar != std::string::npos) {
    // "persp|perspShape": the shape under its transform.
    if (n.substr(bar + 1) != n.substr(0, bar) + "Shape") return std::nullopt;
    n.erase(bar);
  }
  if (n.size() > 5 && n.compare(n.size() - 5, 5, "Shape") == 0) n.erase(n.size() - 5);
  if (n == "persp") return CameraKind::Persp;
  if (n == "top") return CameraKind::Top;
  if (n == "front") return CameraKind::Front;
  if (n == "side") return CameraKind::Side;
  return std::nullopt;
}

View frameView(CameraKind camera, const Bounds& bounds, float aspect) {
  return camera == CameraKind::Persp ? perspView(bounds, aspect)
                                     : orthoView(camera, bounds, aspect);
}

}  // namespace render
