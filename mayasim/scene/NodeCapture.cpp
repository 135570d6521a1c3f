#include "scene/NodeCapture.h"

#include <algorithm>
#include <functional>

#include "scene/Scene.h"

namespace mayasim {

NodeCapture NodeCapture::take(scene::Scene& scene, scene::NodeId root) {
  NodeCapture capture;
  std::function<void(scene::NodeId)> visit = [&](scene::NodeId id) {
    const scene::Node* n = scene.node(id);
    if (!n) return;
    Captured c;
    c.id = id;
    c.type = n->type().name();
    c.name = n->name();
    c.parent = n->parent();
    const auto& attrs = n->type().attrs();
    for (const scene::AttrDecl& a : attrs) {
      scene::Plug p{id, a.index};
      if (a.parent >= 0 || !a.writable || scene.source(p) != scene::Plug{}) continue;
      if (scene::isNumeric(a.type) || a.isCompound())
        c.numbers.emplace_back(a.index, scene.getNumbers(p));
      else if (a.type == scene::AttrType::String)
        c.strings.emplace_back(a.index, scene.getString(p));
    }
    for (const scene::Link& link : n->links()) {
      scene::Plug own{id, link.attr};
      auto conn = link.incoming ? std::make_pair(link.other, own) : std::make_pair(own, link.other);
      if (std::find(capture.connections_.begin(), capture.connections_.end(), conn) ==
          capture.connections_.end())
        capture.connections_.push_back(conn);
    }
    capture.nodes_.push_back(std::move(c));
    for (scene::NodeId child : n->children()) visit(child);
  };
  visit(root);
  return capture;
}

void NodeCapture::restore(scene::Scene& scene) const {
  for (const Captured& c : nodes_) {
    scene.createNode(c.type, c.name, scene.exists(c.parent) ? c.parent : scene::kNoNode, c.id);
    for (const auto& [attr, values] : c.numbers) {
      try {
        scene.setNumbers(scene::Plug{c.id, attr}, values);
      } catch (const scene::Error&) {
      }  // e.g. a locked attribute: keep what the node was made with
    }
    for (const auto& [attr, text] : c.strings) {
      try {
        scene.setString(scene::Plug{c.id, attr}, text);
      } catch (const scene::Error&) {
      }
    }
  }
  for (const auto& [src, dst] : connections_) {
    if (!scene.exists(src.node) || !scene.exists(dst.node) || scene.isConnected(src, dst)) continue;
    try {
      scene.connect(src, dst, true);
    } catch (const scene::Error&) {
    }
  }
}

}  // namespace mayasim
