#include "scene/Types.h"

#include <ostream>

namespace scene {

const char* attrTypeName(AttrType t) {
  switch (t) {
    case AttrType::Bool:
      return "bool";
    case AttrType::Long:
      return "long";
    case AttrType::Double:
      return "double";
    case AttrType::Float:
      return "float";
    case AttrType::Distance:
      return "doubleLinear";
    case AttrType::Angle:
      return "doubleAngle";
    case AttrType::Double3:
      return "double3";
    case AttrType::String:
      return "string";
    case AttrType::Message:
      return "message";
    case AttrType::Mesh:
      return "mesh";
  }
  return "unknown";
}

std::ostream& operator<<(std::ostream& os, AttrType t) { return os << attrTypeName(t); }

bool isNumeric(AttrType t) {
  switch (t) {
    case AttrType::Bool:
    case AttrType::Long:
    case AttrType::Double:
    case AttrType::Float:
    case AttrType::Distance:
    case AttrType::Angle:
      return true;
    default:
      return false;
  }
}

void MeshData::vertex(int i, double out[3]) const {
  out[0] = (i & 1 ? 0.5 : -0.5) * width;
  out[1] = (i & 2 ? 0.5 : -0.5) * height;
  out[2] = (i & 4 ? 0.5 : -0.5) * depth;
}

bool MeshData::operator==(const MeshData& o) const {
  if (valid != o.valid) return false;
  return !valid || (width == o.width && height == o.height && depth == o.depth);
}

}  // namespace scene
