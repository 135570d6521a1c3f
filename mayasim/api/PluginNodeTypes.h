// Plug-in node types inside the API layer: the attributes the attribute
// function sets make, the type a plug-in's initialize function fills in,
// the host's record behind each MPxNode object, and the call into compute().
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <maya/MFnPlugin.h>
#include <maya/MObject.h>
#include <maya/MPlugin.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>

#include "scene/AttrDecl.h"
#include "scene/Types.h"

namespace scene {
class Scene;
}

namespace mayasim {

// ------------------------------------------------------------ attributes

// An attribute made by an attribute function set. The MObject that denotes
// it owns it; MPxNode::addAttribute copies it into the type being registered,
// and the MObject keeps denoting the registered attribute by its long name.
struct AttrDraft : scene::AttrDecl {
  enum class Kind { Numeric, Unit, Typed, Compound };
  Kind kind = Kind::Numeric;
  int numericType = 0;  // MFnNumericData::Type (Numeric, Compound)
  int unitType = 0;     // MFnUnitAttribute::Type (Unit)
  int dataType = 0;     // MFnData::Type (Typed)
  // Flags the scene does not use, kept so the function sets read them back.
  bool cached = true;
  bool array = false;
  bool channelBox = false;
  int disconnectBehavior = 2;  // MFnAttribute::kNothing
  std::optional<double> softMin, softMax;
  std::vector<MObject> children;  // Compound: its three numeric children
};

// A new attribute object that owns `draft`.
MObject makeAttrDraft(AttrDraft draft);
// The draft `attr` owns; nullptr when it denotes an attribute of a
// registered type (or no attribute).
AttrDraft* attrDraft(const MObject& attr);

// ------------------------------------------------------------ node types

// What MPxNode::addAttribute and attributeAffects collect while a plug-in's
// initialize function runs.
struct TypeDraft {
  std::string typeName;
  std::string parentName = "dependNode";
  std::vector<MObject> attrs;                        // in the order added
  std::vector<std::pair<MObject, MObject>> affects;  // (whenChanges, isAffected)
};

// The type whose initialize function is running, or nullptr.
TypeDraft* typeBeingRegistered();

// MFnPlugin::registerNode / deregisterNode for the plug-in with host index
// `plugin`. Failures are reported through the host's output and give
// kFailure (or kInvalidParameter for bad arguments); nothing stays registered.
MStatus registerPluginNodeType(int plugin, const std::string& typeName, unsigned int typeId,
                               MCreatorFunction creator, MInitializeFunction initialize,
                               MPxNode::Type kind);
// Refused (kFailure) while nodes of the type exist. Undo steps that could
// bring such a node back are flushed first: they would need the plug-in.
MStatus deregisterPluginNodeType(int plugin, unsigned int typeId);

// ------------------------------------------------------------ node objects

// The host's record of one plug-in node: MPxNode::instance points here, and
// the scene node's userData owns it (and through it the MPxNode object).
struct PluginNode {
  scene::NodeId id = scene::kNoNode;
  std::string typeName;
  unsigned int typeId = 0;
  MPxNode* object = nullptr;  // set by the MPxNode constructor

  PluginNode() = default;
  PluginNode(const PluginNode&) = delete;
  PluginNode& operator=(const PluginNode&) = delete;
  ~PluginNode();  // deletes the object
};

// Used by the MPxNode constructor: the record the host is making an object
// for (the creator function is running), or nullptr. Records `self` in it.
PluginNode* adoptNodeUnderConstruction(MPxNode* self);

// Calls node.compute() for `attr` of `id` with a data block over the scene.
// False when the node does not compute that attribute (kUnknownParameter).
bool computePluginNode(MPxNode& node, scene::Scene& scene, scene::NodeId id,
                       const scene::AttrDecl& attr);

}  // namespace mayasim
