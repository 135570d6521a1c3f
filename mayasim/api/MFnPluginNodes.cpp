// Node types registered by plug-ins: MFnPlugin::registerNode/deregisterNode,
// and the scene hooks that give every node of such a type its MPxNode object
// and route evaluation to its compute().
#define MNoVersionString
#include <maya/MFnPlugin.h>
#include <maya/MObject.h>
#include <maya/MPlugin.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "api/ObjectAccess.h"
#include "api/PluginNodeTypes.h"
#include "host/Host.h"
#include "scene/Error.h"
#include "scene/Scene.h"

namespace mayasim {

namespace {

TypeDraft* gTypeDraft = nullptr;               // initialize function running
PluginNode* gNodeUnderConstruction = nullptr;  // creator function running

std::string quoted(const std::string& s) { return "'" + s + "'"; }

std::string hexId(unsigned int id) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%05x", id);
  return text;
}

MStatus refuse(MStatus status, const std::string& message) {
  host().output().error(message);
  return status;
}

// Runs `fn`, reporting an exception from plug-in code as `what` failing.
template <typename Fn>
bool guarded(const std::string& what, Fn fn) {
  try {
    fn();
    return true;
  } catch (const std::exception& e) {
    host().output().error(what + " failed: " + e.what());
  } catch (...) {
    host().output().error(what + " failed");
  }
  return false;
}

// Makes the node object of a new node (also one brought back by undo).
void createNodeObject(scene::Scene& scene, scene::NodeId id, const std::string& typeName,
                      unsigned int typeId, MCreatorFunction creator) {
  auto record = std::make_shared<PluginNode>();
  record->id = id;
  record->typeName = typeName;
  record->typeId = typeId;

  PluginNode* outer = gNodeUnderConstruction;
  gNodeUnderConstruction = record.get();
  void* made = nullptr;
  guarded("creator of node type " + quoted(typeName), [&] { made = creator(); });
  gNodeUnderConstruction = outer;
  if (!made || !record->object) {
    // Something that is not an MPxNode cannot be deleted through the record.
    host().output().error("The creator of node type " + quoted(typeName) +
                          " made no node object; the node will not compute.");
    return;
  }

  scene::Node* node = scene.node(id);
  if (!node) return;
  // Shares the record's lifetime but points at the MPxNode itself, which is
  // what MFnDependencyNode::userNode hands out.
  node->userData = std::shared_ptr<void>(record, static_cast<void*>(record->object));

  // What postConstructor sets is part of making the node, not an undo step.
  scene::SuspendScope quiet(scene.undoQueue());
  MPxNode* object = record->object;
  guarded("postConstructor of " + quoted(node->name()), [&] { object->postConstructor(); });
}

void destroyNodeObject(scene::Scene& scene, scene::NodeId id) {
  if (scene::Node* node = scene.node(id)) node->userData.reset();
}

bool computeNode(scene::Scene& scene, scene::NodeId id, const scene::AttrDecl& attr) {
  const scene::Node* node = scene.node(id);
  if (!node || !node->userData) return false;
  // Keeps the object alive should compute delete its own node.
  const std::shared_ptr<void> keep = node->userData;
  return computePluginNode(*static_cast<MPxNode*>(keep.get()), scene, id, attr);
}

// The scene's description of a type from what its initialize function added.
scene::NodeTypeDecl declFrom(const TypeDraft& draft) {
  scene::NodeTypeDecl decl;
  decl.name = draft.typeName;
  decl.parentName = draft.parentName;
  decl.apiType = scene::api::kPluginDependNode;
  for (const MObject& attr : draft.attrs) {
    scene::AttrDecl copy = *ObjectAccess::attrDecl(attr);
    copy.affectsNames.clear();
    decl.attrs.push_back(std::move(copy));
  }
  for (const auto& [cause, effect] : draft.affects) {
    const std::string& causeName = ObjectAccess::attrDecl(cause)->longName;
    const std::string& effectName = ObjectAccess::attrDecl(effect)->longName;
    auto it = std::find_if(decl.attrs.begin(), decl.attrs.end(),
                           [&](const scene::AttrDecl& a) { return a.longName == causeName; });
    if (it == decl.attrs.end()) continue;  // inherited: changing it dirties nothing here
    auto& names = it->affectsNames;
    if (std::find(names.begin(), names.end(), effectName) == names.end())
      names.push_back(effectName);
  }
  return decl;
}

}  // namespace

TypeDraft* typeBeingRegistered() { return gTypeDraft; }

PluginNode* adoptNodeUnderConstruction(MPxNode* self) {
  PluginNode* record = gNodeUnderConstruction;
  if (!record || record->object) return nullptr;  // not made by the host, or a member object
  record->object = self;
  return record;
}

PluginNode::~PluginNode() {
  MPxNode* doomed = object;
  object = nullptr;
  delete doomed;
}

MStatus registerPluginNodeType(int plugin, const std::string& typeName, unsigned int typeId,
                               MCreatorFunction creator, MInitializeFunction initialize,
                               MPxNode::Type kind) {
  Host& h = host();
  scene::Scene& scene = h.scene();
  const std::string what = "registerNode " + quoted(typeName);
  const PluginRecord* record = h.plugin(plugin);
  if (!record || !record->loaded) return refuse(MS::kFailure, what + ": no plug-in is loading");
  if (typeName.empty() || !creator || !initialize) {
    return refuse(MS::kInvalidParameter,
                  what + ": a name, a creator and an initialize function are needed");
  }
  if (kind != MPxNode::kDependNode) {
    return refuse(MS::kNotImplemented,
                  what + ": only plain dependency nodes (kDependNode) are supported");
  }
  if (gTypeDraft) {
    return refuse(MS::kFailure, what + ": called from another type's initialize function");
  }
  if (scene.findType(typeName)) {
    return refuse(MS::kFailure, what + ": a node type of that name already exists");
  }
  if (const std::string owner = h.nodeTypeName(typeId); !owner.empty()) {
    return refuse(MS::kFailure,
                  what + ": type id " + hexId(typeId) + " is already used by " + quoted(owner));
  }

  TypeDraft draft;
  draft.typeName = typeName;
  gTypeDraft = &draft;
  MStatus status = MS::kFailure;
  const bool ran =
      guarded("initialize function of " + quoted(typeName), [&] { status = initialize(); });
  gTypeDraft = nullptr;
  if (!ran) return MS::kFailure;
  if (!status) return refuse(status, what + ": its initialize function failed");

  scene::NodeTypeDecl decl = declFrom(draft);
  decl.onCreate = [typeName, typeId, creator](scene::Scene& s, scene::NodeId id) {
    createNodeObject(s, id, typeName, typeId, creator);
  };
  decl.onDestroy = destroyNodeObject;
  decl.compute = computeNode;
  try {
    scene.registerType(std::move(decl));
  } catch (const scene::Error& e) {
    return refuse(MS::kFailure, what + ": " + e.what());
  }
  h.addNodeType(plugin, typeName, typeId);
  return MS::kSuccess;
}

MStatus deregisterPluginNodeType(int plugin, unsigned int typeId) {
  Host& h = host();
  scene::Scene& scene = h.scene();
  const std::string typeName = h.nodeTypeName(typeId);
  const std::string what = "deregisterNode " + hexId(typeId);
  if (typeName.empty()) return refuse(MS::kInvalidParameter, what + ": no node type has that id");
  const PluginRecord* record = h.plugin(plugin);
  const bool own =
      record && std::any_of(record->nodeTypes.begin(), record->nodeTypes.end(),
                            [&](const PluginNodeType& t) { return t.name == typeName; });
  const std::string type = "node type " + quoted(typeName);
  if (!own) return refuse(MS::kFailure, what + ": " + type + " belongs to another plug-in");
  if (scene.hasNodesOfType(typeName)) {
    return refuse(MS::kFailure, what + ": nodes of " + type + " exist");
  }
  // Undo must not bring back a node whose code is about to be unloaded.
  if (scene.undoReferencesType(typeName)) scene.undoQueue().flush();
  if (!scene.unregisterType(typeName)) {
    return refuse(MS::kFailure, what + ": " + type + " is still in use");
  }
  h.removeNodeType(plugin, typeName);
  return MS::kSuccess;
}

}  // namespace mayasim

MStatus MFnPlugin::registerNode(const MString& typeName, const MTypeId& typeId,
                                MCreatorFunction creatorFunction, MInitializeFunction initFunction,
                                MPxNode::Type type, const MString* /*classification*/) {
  const int plugin = mayasim::ObjectAccess::pluginIndex(mayasim::ObjectAccess::fnObject(*this));
  return mayasim::registerPluginNodeType(plugin, mayasim::str(typeName),
                                         mayasim::ObjectAccess::rawTypeId(typeId), creatorFunction,
                                         initFunction, type);
}

MStatus MFnPlugin::deregisterNode(const MTypeId& typeId) {
  const int plugin = mayasim::ObjectAccess::pluginIndex(mayasim::ObjectAccess::fnObject(*this));
  return mayasim::deregisterPluginNodeType(plugin, mayasim::ObjectAccess::rawTypeId(typeId));
}
