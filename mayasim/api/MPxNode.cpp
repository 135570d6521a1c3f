// MPxNode, the base of plug-in node types, and MTypeId.
//
// The host makes a node object by calling the type's creator; the MPxNode
// constructor then picks up the host's record of the node being made, which
// is how thisMObject() knows its node. The static addAttribute and
// attributeAffects work only while a type's initialize function runs
// (MFnPlugin::registerNode), on the type being registered.
#include <maya/MDataBlock.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>

#include <string>

#include "api/ObjectAccess.h"
#include "api/PluginNodeTypes.h"
#include "host/Host.h"
#include "scene/Scene.h"

using mayasim::AttrDraft;
using mayasim::ObjectAccess;
using mayasim::PluginNode;

namespace {

// Denotes an attribute that every node type has (or that Maya's have).
MObject commonAttribute(const char* longName, const char* shortName, scene::AttrType type) {
  AttrDraft draft;
  draft.longName = longName;
  draft.shortName = shortName;
  draft.type = type;
  return mayasim::makeAttrDraft(std::move(draft));
}

PluginNode* recordOf(void* instance) { return static_cast<PluginNode*>(instance); }

// True when `a` and `b` share a long or short name.
bool namesClash(const scene::AttrDecl& a, const scene::AttrDecl& b) {
  return a.matches(b.longName) || a.matches(b.shortName);
}

// The attribute `attr` is, among those added to `draft` so far (a compound's
// children count as added with it), or nullptr.
const scene::AttrDecl* findAdded(const mayasim::TypeDraft& draft, const scene::AttrDecl& attr) {
  for (const MObject& added : draft.attrs) {
    const scene::AttrDecl* decl = ObjectAccess::attrDecl(added);
    if (decl && decl->longName == attr.longName) return decl;
  }
  return nullptr;
}

// The inherited attribute of the type being registered with that name, or nullptr.
const scene::AttrDecl* findInherited(const mayasim::TypeDraft& draft, const scene::AttrDecl& attr) {
  const scene::NodeType* parent = mayasim::host().scene().findType(draft.parentName);
  if (!parent) return nullptr;
  for (const scene::AttrDecl& decl : parent->attrs()) {
    if (namesClash(decl, attr)) return &decl;
  }
  return nullptr;
}

MStatus addOne(mayasim::TypeDraft& draft, const MObject& attr) {
  const scene::AttrDecl* decl = ObjectAccess::attrDecl(attr);
  if (!decl) return MS::kInvalidParameter;
  if (findInherited(draft, *decl)) return MS::kInvalidParameter;
  for (const MObject& added : draft.attrs) {
    const scene::AttrDecl* other = ObjectAccess::attrDecl(added);
    if (other == decl) return MS::kSuccess;  // a compound's child added again
    if (other && namesClash(*other, *decl)) return MS::kInvalidParameter;
  }
  draft.attrs.push_back(attr);
  return MS::kSuccess;
}

}  // namespace

// ================================================================== MPxNode

MObject MPxNode::message = commonAttribute("message", "msg", scene::AttrType::Message);
MObject MPxNode::isHistoricallyInteresting =
    commonAttribute("isHistoricallyInteresting", "ihi", scene::AttrType::Long);
MObject MPxNode::caching = commonAttribute("caching", "cch", scene::AttrType::Bool);
// Maya's node state and freeze switches; this host's nodes do not have them.
MObject MPxNode::state = commonAttribute("nodeState", "nds", scene::AttrType::Long);
MObject MPxNode::frozen = commonAttribute("frozen", "fzn", scene::AttrType::Bool);

MPxNode::MPxNode() : instance(mayasim::adoptNodeUnderConstruction(this)) {}

MPxNode::~MPxNode() {
  // Deleted by someone other than its record: the record must not delete it again.
  if (PluginNode* record = recordOf(instance); record && record->object == this)
    record->object = nullptr;
}

void MPxNode::postConstructor() {}

MStatus MPxNode::compute(const MPlug&, MDataBlock&) { return MS::kUnknownParameter; }

MStatus MPxNode::connectionMade(const MPlug&, const MPlug&, bool) { return MS::kUnknownParameter; }

MStatus MPxNode::connectionBroken(const MPlug&, const MPlug&, bool) {
  return MS::kUnknownParameter;
}

MPxNode::Type MPxNode::type() const { return kDependNode; }

MTypeId MPxNode::typeId() const {
  const PluginNode* record = recordOf(instance);
  return record ? MTypeId(record->typeId) : MTypeId();
}

MString MPxNode::name() const {
  const PluginNode* record = recordOf(instance);
  const scene::Node* node = record ? mayasim::host().scene().node(record->id) : nullptr;
  return node ? mayasim::mstr(node->name()) : MString();
}

MObject MPxNode::thisMObject() const {
  const PluginNode* record = recordOf(instance);
  return record ? ObjectAccess::makeNode(record->id) : MObject();
}

MStatus MPxNode::addAttribute(const MObject& attr) {
  mayasim::TypeDraft* draft = mayasim::typeBeingRegistered();
  if (!draft) return MS::kFailure;
  // A compound brings its children along, ahead of it.
  if (const AttrDraft* compound = mayasim::attrDraft(attr)) {
    for (const MObject& child : compound->children) {
      const MStatus status = addOne(*draft, child);
      if (!status) return status;
    }
  }
  return addOne(*draft, attr);
}

MStatus MPxNode::attributeAffects(const MObject& whenChanges, const MObject& isAffected) {
  mayasim::TypeDraft* draft = mayasim::typeBeingRegistered();
  if (!draft) return MS::kFailure;
  const scene::AttrDecl* cause = ObjectAccess::attrDecl(whenChanges);
  const scene::AttrDecl* effect = ObjectAccess::attrDecl(isAffected);
  // Both must have been added first; an inherited attribute cannot be affected.
  if (!cause || !effect || !findAdded(*draft, *effect)) return MS::kInvalidParameter;
  if (!findAdded(*draft, *cause) && !findInherited(*draft, *cause)) return MS::kInvalidParameter;
  draft->affects.emplace_back(whenChanges, isAffected);
  return MS::kSuccess;
}

MStatus MPxNode::attributeAffects(const MObject& whenChanges, const MObject& isAffected,
                                  bool /*affectsTopology*/) {
  return attributeAffects(whenChanges, isAffected);
}

// Only before the type's own attributes are added, and only from a plain
// dependency node type.
MStatus MPxNode::inheritAttributesFrom(const MString& parentClassName) {
  mayasim::TypeDraft* draft = mayasim::typeBeingRegistered();
  if (!draft || !draft->attrs.empty()) return MS::kFailure;
  const scene::NodeType* parent = mayasim::host().scene().findType(mayasim::str(parentClassName));
  if (!parent || parent->isDag()) return MS::kInvalidParameter;
  draft->parentName = parent->name();
  return MS::kSuccess;
}

const char* MPxNode::className() { return "MPxNode"; }

// ================================================================== MTypeId

MTypeId::MTypeId() : id_(0) {}
MTypeId::MTypeId(unsigned int id) : id_(id) {}
MTypeId::MTypeId(unsigned int prefix, unsigned int id) : id_((prefix << 8) | (id & 0xffu)) {}
MTypeId::MTypeId(const MTypeId& other) = default;
MTypeId::~MTypeId() = default;
MTypeId& MTypeId::operator=(const MTypeId& other) = default;

bool MTypeId::operator==(const MTypeId& other) const { return id_ == other.id_; }
bool MTypeId::operator!=(const MTypeId& other) const { return id_ != other.id_; }

unsigned int MTypeId::id(MStatus* ReturnStatus) const {
  if (ReturnStatus) *ReturnStatus = MS::kSuccess;
  return id_;
}

const char* MTypeId::className() { return "MTypeId"; }
