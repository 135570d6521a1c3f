// How the API layer's own code reaches the private state of the public
// classes (MObject, MPlug, MFnBase, ...), and how an MObject denotes what it
// denotes:
//
//   kind       id_            ptr_                      data_
//   Null       0              nullptr                   empty
//   Node       scene NodeId   nullptr                   empty
//   Attribute  0              const scene::AttrDecl*    owner of the declaration, when
//                                                       it is not (yet) in a type
//   Plugin     plug-in index  nullptr                   empty
//
// An attribute's declaration pointer stays valid while the object lives: either it
// points into a registered type's table, or data_ owns the declaration (an attribute
// made by an attribute function set before its type is registered; the owner
// may be a struct derived from scene::AttrDecl).
#pragma once

#include <memory>
#include <string>

#include <maya/MArgList.h>
#include <maya/MArgParser.h>
#include <maya/MDagPath.h>
#include <maya/MDataHandle.h>
#include <maya/MFnBase.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MPxCommand.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MSyntax.h>
#include <maya/MTypeId.h>

#include "mel/Interpreter.h"
#include "scene/AttrDecl.h"
#include "scene/NodeType.h"
#include "scene/Types.h"

namespace mayasim {

enum class ObjectKind { Null = 0, Node = 1, Attribute = 2, Plugin = 3 };

struct ObjectAccess {
  // ---- MObject
  static MObject makeNode(scene::NodeId id);
  static MObject makeAttribute(const scene::AttrDecl* decl, std::shared_ptr<void> owner = {});
  static MObject makePlugin(int index);

  static ObjectKind kind(const MObject& o) { return static_cast<ObjectKind>(o.kind_); }
  static scene::NodeId nodeId(const MObject& o) {
    return o.kind_ == static_cast<int>(ObjectKind::Node) ? o.id_ : scene::kNoNode;
  }
  static const scene::AttrDecl* attrDecl(const MObject& o) {
    return o.kind_ == static_cast<int>(ObjectKind::Attribute)
               ? static_cast<const scene::AttrDecl*>(o.ptr_)
               : nullptr;
  }
  static const std::shared_ptr<void>& attrOwner(const MObject& o) { return o.data_; }
  static int pluginIndex(const MObject& o) {
    return o.kind_ == static_cast<int>(ObjectKind::Plugin) ? static_cast<int>(o.id_) : -1;
  }

  // Index of the attribute `attr` denotes within `type` (the same declaration, or
  // one of the same long name), or -1.
  static int attrIndexIn(const MObject& attr, const scene::NodeType& type);

  // ---- Other classes
  static const MObject& fnObject(const MFnBase& fn) { return *fn.object_; }
  static void setFnObject(MFnBase& fn, const MObject& o) { *fn.object_ = o; }
  static scene::NodeId dagNode(const MDagPath& p) { return nodeId(p.node_); }
  static MDagPath makeDagPath(scene::NodeId id);
  static const MObject& plugNode(const MPlug& p) { return p.node_; }
  static const MObject& plugAttribute(const MPlug& p) { return p.attribute_; }
  // The scene plug an MPlug denotes (null when it does not resolve).
  static scene::Plug scenePlug(const MPlug& p);
  static MPlug makePlug(const scene::Plug& p);
  static unsigned int rawTypeId(const MTypeId& id) { return id.id_; }
  static const std::string& text(const MString& s) { return s.text_; }

  // MArgList from MEL arguments, and back.
  static MArgList makeArgList(const mel::Args& args);
  static const mel::Args& args(const MArgList& list);

  // The command record an MPxCommand object runs for.
  static void setCommandInstance(MPxCommand& cmd, void* record, const MString& name) {
    cmd.instance = record;
    cmd.command = name;
  }
  static void* commandInstance(const MPxCommand& cmd) { return cmd.instance; }
  static bool legacyUndoable(const MPxCommand& cmd) { return cmd.undoable_; }

  // MSyntax internals for the argument parser.
  struct SyntaxFlag {
    std::string shortName;  // with the dash
    std::string longName;
    std::vector<MSyntax::MArgType> argTypes;
    bool multiUse = false;
  };
  struct SyntaxData {
    std::vector<SyntaxFlag> flags;
    std::vector<MSyntax::MArgType> commandArgs;
    MSyntax::MObjectFormat objectFormat = MSyntax::kNone;
    unsigned int minObjects = 0;
    unsigned int maxObjects = ~0u;
    bool selectionAsDefault = false;
    bool query = false;
    bool edit = false;
  };
  static const SyntaxData& syntax(const MSyntax& s);
  static bool selectionAsDefault(const MArgParser& parser);

  // Compute calls: a data block over the host's state for one call, and
  // handles over one value of it (both defined in DataBlock.cpp).
  static MStatus computeWithBlock(MPxNode& node, const MPlug& plug, void* blockState);
  static MDataHandle makeDataHandle(std::shared_ptr<void> handleData);
};

// Shorthands.
inline scene::NodeId nodeIdOf(const MObject& o) { return ObjectAccess::nodeId(o); }
inline std::string str(const MString& s) { return ObjectAccess::text(s); }
inline MString mstr(const std::string& s) { return MString(s.c_str(), static_cast<int>(s.size())); }

}  // namespace mayasim
