// Scene: the active selection list.
#include <algorithm>

#include "scene/Scene.h"
#include "scene/SceneChanges.h"

namespace scene {

void Scene::setSelection(std::vector<NodeId> ids) {
  selection_ = std::move(ids);
  selected_.clear();
  selected_.insert(selection_.begin(), selection_.end());
}

void Scene::select(const std::vector<NodeId>& ids, SelectMode mode) {
  for (NodeId id : ids) live(id);
  std::vector<NodeId> next;
  switch (mode) {
    case SelectMode::Replace: {
      std::unordered_set<NodeId> seen;
      for (NodeId id : ids) {
        if (seen.insert(id).second) next.push_back(id);
      }
      break;
    }
    case SelectMode::Add: {
      next = selection_;
      std::unordered_set<NodeId> seen(selected_);
      for (NodeId id : ids) {
        if (seen.insert(id).second) next.push_back(id);
      }
      break;
    }
    case SelectMode::Remove: {
      std::unordered_set<NodeId> drop(ids.begin(), ids.end());
      for (NodeId id : selection_) {
        if (!drop.count(id)) next.push_back(id);
      }
      break;
    }
    case SelectMode::Toggle: {
      std::unordered_set<NodeId> flip;
      for (NodeId id : ids) {
        if (!flip.insert(id).second) flip.erase(id);  // named twice: no change
      }
      for (NodeId id : selection_) {
        if (!flip.count(id)) next.push_back(id);
      }
      for (NodeId id : ids) {
        if (flip.count(id) && !selected_.count(id)) {
          next.push_back(id);
          flip.erase(id);
        }
      }
      break;
    }
  }
  if (next == selection_) return;
  auto data = std::make_shared<SelectData>();
  data->before = selection_;
  data->after = next;
  setSelection(std::move(next));
  Change c;
  c.kind = Change::Kind::Select;
  c.data = std::move(data);
  undo_.record(std::move(c));
}

void Scene::clearSelection() { select({}, SelectMode::Replace); }

}  // namespace scene
