// Small value types shared by the whole scene: node ids, attribute types,
// plugs and the mesh payload.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>

namespace scene {

// Identity of a node for the life of the Scene object. 0 means "no node".
// Ids are never reused; a node deleted and then brought back by undo/redo
// keeps its id, so handles held by plug-ins stay valid.
using NodeId = std::uint64_t;
constexpr NodeId kNoNode = 0;

// Attribute value types. Values are stored in internal units:
// Distance in centimetres, Angle in radians.
enum class AttrType : std::uint8_t {
  Bool,
  Long,
  Double,
  Float,
  Distance,
  Angle,
  Double3,  // compound of three numeric children (translate -> translateX ...)
  String,
  Message,  // carries no value; only connections
  Mesh,     // a MeshData value
};

const char* attrTypeName(AttrType t);  // "bool", "long", "double", ... "mesh"
std::ostream& operator<<(std::ostream& os, AttrType t);

// True for the types that hold one number (Bool, Long, Double, Float, Distance, Angle).
bool isNumeric(AttrType t);

// Maya's MFn::Type numbers for the node kinds the scene knows. The first
// group are Maya's values; the second group are local choices (not checked
// against a devkit) for kinds that the API layer may expose.
namespace api {
constexpr int kDependencyNode = 4;
constexpr int kDagNode = 107;
constexpr int kTransform = 110;
constexpr int kShape = 248;
constexpr int kCamera = 250;
constexpr int kMesh = 296;
constexpr int kPluginDependNode = 459;
// local choices
constexpr int kLocator = 281;
constexpr int kLight = 302;
constexpr int kPointLight = 309;
constexpr int kPolyCube = 433;
}  // namespace api

// One attribute of one node. `attr` indexes NodeType::attrs() of the node's type.
struct Plug {
  NodeId node = kNoNode;
  int attr = -1;

  bool isNull() const { return node == kNoNode || attr < 0; }
  bool operator==(const Plug& o) const { return node == o.node && attr == o.attr; }
  bool operator!=(const Plug& o) const { return !(*this == o); }
};

struct PlugHash {
  std::size_t operator()(const Plug& p) const {
    return std::hash<std::uint64_t>()(p.node * 1024u + static_cast<std::uint64_t>(p.attr + 1));
  }
};

// Mesh data is kept minimal: an axis-aligned box centred on the origin, as a
// polyCube makes. An invalid mesh has no geometry at all.
struct MeshData {
  bool valid = false;
  double width = 0, height = 0, depth = 0;

  int numVertices() const { return valid ? 8 : 0; }
  int numPolygons() const { return valid ? 6 : 0; }
  int numEdges() const { return valid ? 12 : 0; }
  // Corner i (0..7) as x, y, z in centimetres; i's bits pick -/+ along x, y, z.
  void vertex(int i, double out[3]) const;

  bool operator==(const MeshData& o) const;
  bool operator!=(const MeshData& o) const { return !(*this == o); }
};

}  // namespace scene
