// Matrices of transform nodes, for world-space moves and queries. Row-vector
// convention as in Maya: a point p maps to p * M, and a transform's local
// matrix is scale * rotate(X, then Y, then Z) * translate.
#pragma once

#include <array>

#include "scene/Types.h"

namespace scene {

class Scene;

struct Matrix4 {
  std::array<std::array<double, 4>, 4> m{};
  static Matrix4 identity();
  Matrix4 operator*(const Matrix4& o) const;
};

using Vec3 = std::array<double, 3>;

// The local matrix of a transform node (identity for any other node).
Matrix4 localMatrix(Scene& scene, NodeId id);
// Product of the local matrices from the node up to the world, the node's
// own included (inclusive) or not (exclusive).
Matrix4 inclusiveMatrix(Scene& scene, NodeId id);
Matrix4 exclusiveMatrix(Scene& scene, NodeId id);

// Inverse of an affine matrix; the identity when it is singular.
Matrix4 inverse(const Matrix4& a);
Vec3 transformPoint(const Vec3& p, const Matrix4& a);
Vec3 transformVector(const Vec3& v, const Matrix4& a);  // ignores translation

}  // namespace scene
