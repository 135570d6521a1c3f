// What an attribute of a node type is: names, type, default, limits, flags,
// and its place among the type's attributes. Declarations are shared by every node
// of a type; nodes only hold the values.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scene/Types.h"

namespace scene {

struct AttrDecl {
  // ---- filled by whoever describes the type ----
  std::string longName;   // "translateX"
  std::string shortName;  // "tx" (may equal longName)
  AttrType type = AttrType::Double;
  double defaultValue = 0;    // numeric types, internal units; Bool: 0 or 1
  std::string defaultString;  // String
  std::optional<double> min;  // numeric types, internal units; setting clamps
  std::optional<double> max;
  bool keyable = false;
  bool readable = true;
  bool writable = true;
  bool storable = true;
  bool connectable = true;
  bool hidden = false;
  // Compounds (Double3): long names of the three children, which must be
  // described in the same type (before or after the compound).
  std::vector<std::string> childNames;
  // Long names of attributes of the same node whose value depends on this
  // one (MPxNode::attributeAffects). Setting this attribute dirties them.
  std::vector<std::string> affectsNames;

  // ---- resolved when the type is registered (indices into NodeType::attrs()) ----
  int index = -1;             // own position
  int parent = -1;            // compound parent, -1 if none
  std::vector<int> children;  // compound children, in order
  std::vector<int> affects;   // attributes dirtied when this one changes
  int slot = -1;              // first value slot in a node (-1: no stored number)
  int slotCount = 0;          // 1 for numeric types, 4 for Mesh, 0 otherwise

  bool isCompound() const { return type == AttrType::Double3; }
  bool matches(std::string_view name) const { return name == longName || name == shortName; }
};

// Builders for the common shapes of attribute, so type tables stay short.
AttrDecl numericAttr(std::string longName, std::string shortName, AttrType type,
                     double defaultValue = 0);
AttrDecl stringAttr(std::string longName, std::string shortName, std::string defaultValue = {});
AttrDecl messageAttr(std::string longName, std::string shortName);
AttrDecl meshAttr(std::string longName, std::string shortName);
// A Double3 compound plus its three children (children first, then the compound),
// e.g. double3Attrs("translate", "t", AttrType::Distance, {"translateX", ...},
// {"tx", ...}, 0). Append all four to a type.
std::vector<AttrDecl> double3Attrs(const std::string& longName, const std::string& shortName,
                                   AttrType childType, const std::string (&childLong)[3],
                                   const std::string (&childShort)[3], double defaultValue);

}  // namespace scene
