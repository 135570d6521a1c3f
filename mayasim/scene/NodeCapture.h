// A copy of a node and its DAG descendants (types, names, parents, stored
// values, connections) taken before they are deleted, so that they can be
// made again with the same ids.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "scene/Types.h"

namespace scene {
class Scene;
}

namespace mayasim {

class NodeCapture {
 public:
  // `id` must be a live node.
  static NodeCapture take(scene::Scene& scene, scene::NodeId id);
  // Makes the captured nodes again (same ids and names where free), sets
  // their values and remakes the connections whose other end exists.
  void restore(scene::Scene& scene) const;

 private:
  struct Captured {
    scene::NodeId id = scene::kNoNode;
    std::string type;
    std::string name;
    scene::NodeId parent = scene::kNoNode;
    std::vector<std::pair<int, std::vector<double>>> numbers;  // by attribute index
    std::vector<std::pair<int, std::string>> strings;
  };
  std::vector<Captured> nodes_;                                   // parents before children
  std::vector<std::pair<scene::Plug, scene::Plug>> connections_;  // source, destination
};

}  // namespace mayasim
