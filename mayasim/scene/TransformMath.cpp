#include "scene/TransformMath.h"

#include <cmath>

#include "scene/Scene.h"

namespace scene {

Matrix4 Matrix4::identity() {
  Matrix4 r;
  for (int i = 0; i < 4; ++i) r.m[i][i] = 1;
  return r;
}

Matrix4 Matrix4::operator*(const Matrix4& o) const {
  Matrix4 r;
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      double s = 0;
      for (int k = 0; k < 4; ++k) s += m[i][k] * o.m[k][j];
      r.m[i][j] = s;
    }
  }
  return r;
}

namespace {

Matrix4 rotation(int axis, double angle) {
  Matrix4 r = Matrix4::identity();
  const double c = std::cos(angle), s = std::sin(angle);
  const int a = (axis + 1) % 3, b = (axis + 2) % 3;
  r.m[a][a] = c;
  r.m[a][b] = s;
  r.m[b][a] = -s;
  r.m[b][b] = c;
  return r;
}

}  // namespace

Matrix4 localMatrix(Scene& scene, NodeId id) {
  const Node* n = scene.node(id);
  if (!n || !n->type().isA("transform")) return Matrix4::identity();
  const auto t = scene.getNumbers(scene.plug(id, "translate"));
  const auto r = scene.getNumbers(scene.plug(id, "rotate"));
  const auto s = scene.getNumbers(scene.plug(id, "scale"));
  Matrix4 scale = Matrix4::identity();
  for (int i = 0; i < 3; ++i) scale.m[i][i] = s[static_cast<std::size_t>(i)];
  Matrix4 translate = Matrix4::identity();
  for (int i = 0; i < 3; ++i) translate.m[3][i] = t[static_cast<std::size_t>(i)];
  return scale * rotation(0, r[0]) * rotation(1, r[1]) * rotation(2, r[2]) * translate;
}

Matrix4 exclusiveMatrix(Scene& scene, NodeId id) {
  Matrix4 result = Matrix4::identity();
  for (NodeId up = scene.parentOf(id); up != kNoNode; up = scene.parentOf(up)) {
    result = result * localMatrix(scene, up);
  }
  return result;
}

Matrix4 inclusiveMatrix(Scene& scene, NodeId id) {
  return localMatrix(scene, id) * exclusiveMatrix(scene, id);
}

Matrix4 inverse(const Matrix4& a) {
  // Upper-left 3x3 by cofactors, then the translation row.
  const auto& m = a.m;
  const double c00 = m[1][1] * m[2][2] - m[1][2] * m[2][1];
  const double c01 = m[1][2] * m[2][0] - m[1][0] * m[2][2];
  const double c02 = m[1][0] * m[2][1] - m[1][1] * m[2][0];
  const double det = m[0][0] * c00 + m[0][1] * c01 + m[0][2] * c02;
  if (std::fabs(det) < 1e-300) return Matrix4::identity();
  Matrix4 r;
  r.m[0][0] = c00 / det;
  r.m[0][1] = (m[0][2] * m[2][1] - m[0][1] * m[2][2]) / det;
  r.m[0][2] = (m[0][1] * m[1][2] - m[0][2] * m[1][1]) / det;
  r.m[1][0] = c01 / det;
  r.m[1][1] = (m[0][0] * m[2][2] - m[0][2] * m[2][0]) / det;
  r.m[1][2] = (m[0][2] * m[1][0] - m[0][0] * m[1][2]) / det;
  r.m[2][0] = c02 / det;
  r.m[2][1] = (m[0][1] * m[2][0] - m[0][0] * m[2][1]) / det;
  r.m[2][2] = (m[0][0] * m[1][1] - m[0][1] * m[1][0]) / det;
  for (int j = 0; j < 3; ++j) {
    double s = 0;
    for (int k = 0; k < 3; ++k) s += m[3][k] * r.m[k][j];
    r.m[3][j] = -s;
  }
  r.m[3][3] = 1;
  return r;
}

Vec3 transformPoint(const Vec3& p, const Matrix4& a) {
  Vec3 r{};
  for (int j = 0; j < 3; ++j) {
    r[static_cast<std::size_t>(j)] =
        p[0] * a.m[0][j] + p[1] * a.m[1][j] + p[2] * a.m[2][j] + a.m[3][j];
  }
  return r;
}

Vec3 transformVector(const Vec3& v, const Matrix4& a) {
  Vec3 r{};
  for (int j = 0; j < 3; ++j) {
    r[static_cast<std::size_t>(j)] = v[0] * a.m[0][j] + v[1] * a.m[1][j] + v[2] * a.m[2][j];
  }
  return r;
}

}  // namespace scene
