// Scene-internal: the extra data the Scene keeps in its undo records.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "scene/Scene.h"

namespace scene {

// Everything needed to bring a node back as it was (not its links or
// children: those are separate records).
struct Scene::Snapshot : ChangeData {
  NodeId id = kNoNode;
  const NodeType* type = nullptr;
  std::string name;
  NodeId parent = kNoNode;
  int position = -1;  // among the parent's children
  std::vector<double> values;
  std::vector<std::uint8_t> flags;
  std::vector<std::pair<int, std::string>> strings;
};

struct Scene::RenameData : ChangeData {
  std::string before, after;
};

struct Scene::ReparentData : ChangeData {
  NodeId before = kNoNode, after = kNoNode;
  int beforePosition = -1;
};

struct Scene::SelectData : ChangeData {
  std::vector<NodeId> before, after;
};

struct Scene::StringData : ChangeData {
  std::string before, after;
};

}  // namespace scene
