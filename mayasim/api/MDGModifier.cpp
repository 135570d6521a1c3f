#include <maya/MDGModifier.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "api/ObjectAccess.h"
#include "host/Host.h"
#include "scene/NodeCapture.h"
#include "scene/Scene.h"

using mayasim::host;
using mayasim::nodeIdOf;
using mayasim::ObjectAccess;
using mayasim::str;

namespace {

// One queued change. run() makes it (throwing scene::Error when it cannot),
// revert() takes it back after a successful run().
struct Operation {
  virtual ~Operation() = default;
  virtual void run(scene::Scene& scene) = 0;
  virtual void revert(scene::Scene& scene) = 0;
};

struct CreateNode : Operation {
  scene::NodeId id;
  std::string type;
  std::string name;  // given at the first run, asked for again on redo
  CreateNode(scene::NodeId i, std::string t) : id(i), type(std::move(t)) {}
  void run(scene::Scene& scene) override {
    scene.createNode(type, name, scene::kNoNode, id);
    name = scene.node(id)->name();
  }
  void revert(scene::Scene& scene) override {
    if (scene.exists(id)) scene.deleteNode(id);
  }
};

struct DeleteNode : Operation {
  scene::NodeId id;
  mayasim::NodeCapture captured;
  explicit DeleteNode(scene::NodeId i) : id(i) {}
  void run(scene::Scene& scene) override {
    if (!scene.exists(id)) throw scene::Error("No node to delete.");
    captured = mayasim::NodeCapture::take(scene, id);
    scene.deleteNode(id);
  }
  void revert(scene::Scene& scene) override { captured.restore(scene); }
};

struct RenameNode : Operation {
  scene::NodeId id;
  std::string newName;
  std::string oldName;
  RenameNode(scene::NodeId i, std::string n) : id(i), newName(std::move(n)) {}
  void run(scene::Scene& scene) override {
    const scene::Node* n = scene.node(id);
    if (!n) throw scene::Error("No node to rename.");
    oldName = n->name();
    scene.rename(id, newName);
  }
  void revert(scene::Scene& scene) override {
    if (scene.exists(id)) scene.rename(id, oldName);
  }
};

struct Connection : Operation {
  MPlug source, dest;  // resolved at run time: their nodes may be made by this modifier
  bool connect;
  bool changed = false;
  Connection(MPlug s, MPlug d, bool c) : source(std::move(s)), dest(std::move(d)), connect(c) {}
  void run(scene::Scene& scene) override {
    scene::Plug s = ObjectAccess::scenePlug(source), d = ObjectAccess::scenePlug(dest);
    if (!scene.exists(s.node) || !scene.exists(d.node))
      throw scene::Error("The attribute cannot be found.");
    if (connect) {
      changed = !scene.isConnected(s, d);
      scene.connect(s, d);
    } else {
      scene.disconnect(s, d);
      changed = true;
    }
  }
  void revert(scene::Scene& scene) override {
    if (!changed) return;
    scene::Plug s = ObjectAccess::scenePlug(source), d = ObjectAccess::scenePlug(dest);
    if (connect)
      scene.disconnect(s, d);
    else
      scene.connect(s, d);
  }
};

struct SetValue : Operation {
  MPlug plug;
  std::optional<double> number;  // else `text`
  std::string text;
  std::vector<double> oldNumbers;
  std::string oldText;
  void run(scene::Scene& scene) override {
    scene::Plug p = ObjectAccess::scenePlug(plug);
    if (!scene.exists(p.node)) throw scene::Error("The attribute cannot be found.");
    if (number) {
      oldNumbers = scene.getNumbers(p);
      scene.setDouble(p, *number);
    } else {
      oldText = scene.getString(p);
      scene.setString(p, text);
    }
  }
  void revert(scene::Scene& scene) override {
    scene::Plug p = ObjectAccess::scenePlug(plug);
    if (number)
      scene.setNumbers(p, oldNumbers);
    else
      scene.setString(p, oldText);
  }
};

struct RunMel : Operation {
  std::string text;
  explicit RunMel(std::string t) : text(std::move(t)) {}
  void run(scene::Scene&) override {
    if (!host().execute(text, false, false)) throw scene::Error("The command failed.");
  }
  void revert(scene::Scene&) override {}
};

bool validPlug(const MPlug& p) { return !ObjectAccess::scenePlug(p).isNull(); }

}  // namespace

struct MDGModifier::Impl {
  std::vector<std::unique_ptr<Operation>> ops;
  std::size_t done = 0;  // ops[0, done) have run

  MStatus queue(std::unique_ptr<Operation> op) {
    ops.push_back(std::move(op));
    return MS::kSuccess;
  }

  MStatus queueValue(const MPlug& plug, std::optional<double> number, std::string text = {}) {
    if (!validPlug(plug)) return MS::kInvalidParameter;
    auto op = std::make_unique<SetValue>();
    op->plug = plug;
    op->number = number;
    op->text = std::move(text);
    return queue(std::move(op));
  }
};

MDGModifier::MDGModifier() : impl_(std::make_unique<Impl>()) {}
MDGModifier::~MDGModifier() = default;

MObject MDGModifier::createNode(const MTypeId& typeId, MStatus* ReturnStatus) {
  std::string type = host().nodeTypeName(ObjectAccess::rawTypeId(typeId));
  if (type.empty()) {
    if (ReturnStatus) *ReturnStatus = MS::kInvalidParameter;
    return MObject();
  }
  return createNode(mayasim::mstr(type), ReturnStatus);
}

MObject MDGModifier::createNode(const MString& type, MStatus* ReturnStatus) {
  scene::NodeId id = scene::kNoNode;
  try {
    id = host().scene().reserveId(str(type));
  } catch (const scene::Error&) {
    if (ReturnStatus) *ReturnStatus = MS::kInvalidParameter;
    return MObject();
  }
  impl_->queue(std::make_unique<CreateNode>(id, str(type)));
  if (ReturnStatus) *ReturnStatus = MS::kSuccess;
  return ObjectAccess::makeNode(id);
}

MStatus MDGModifier::deleteNode(const MObject& node) { return deleteNode(node, false); }

MStatus MDGModifier::deleteNode(const MObject& node, bool) {
  if (node.isNull() || ObjectAccess::kind(node) != mayasim::ObjectKind::Node)
    return MS::kInvalidParameter;
  return impl_->queue(std::make_unique<DeleteNode>(nodeIdOf(node)));
}

MStatus MDGModifier::renameNode(const MObject& node, const MString& newName) {
  if (node.isNull() || ObjectAccess::kind(node) != mayasim::ObjectKind::Node ||
      newName.length() == 0)
    return MS::kInvalidParameter;
  return impl_->queue(std::make_unique<RenameNode>(nodeIdOf(node), str(newName)));
}

MStatus MDGModifier::connect(const MObject& sourceNode, const MObject& sourceAttr,
                             const MObject& destNode, const MObject& destAttr) {
  return connect(MPlug(sourceNode, sourceAttr), MPlug(destNode, destAttr));
}

MStatus MDGModifier::connect(const MPlug& source, const MPlug& dest) {
  if (!validPlug(source) || !validPlug(dest)) return MS::kInvalidParameter;
  return impl_->queue(std::make_unique<Connection>(source, dest, true));
}

MStatus MDGModifier::disconnect(const MObject& sourceNode, const MObject& sourceAttr,
                                const MObject& destNode, const MObject& destAttr) {
  return disconnect(MPlug(sourceNode, sourceAttr), MPlug(destNode, destAttr));
}

MStatus MDGModifier::disconnect(const MPlug& source, const MPlug& dest) {
  if (!validPlug(source) || !validPlug(dest)) return MS::kInvalidParameter;
  return impl_->queue(std::make_unique<Connection>(source, dest, false));
}

MStatus MDGModifier::commandToExecute(const MString& command) {
  if (command.length() == 0) return MS::kInvalidParameter;
  return impl_->queue(std::make_unique<RunMel>(str(command)));
}

MStatus MDGModifier::newPlugValueDouble(const MPlug& plug, double value) {
  return impl_->queueValue(plug, value);
}
MStatus MDGModifier::newPlugValueInt(const MPlug& plug, int value) {
  return impl_->queueValue(plug, static_cast<double>(value));
}
MStatus MDGModifier::newPlugValueBool(const MPlug& plug, bool value) {
  return impl_->queueValue(plug, value ? 1.0 : 0.0);
}
MStatus MDGModifier::newPlugValueFloat(const MPlug& plug, float value) {
  return impl_->queueValue(plug, static_cast<double>(value));
}
MStatus MDGModifier::newPlugValueString(const MPlug& plug, const MString& value) {
  return impl_->queueValue(plug, std::nullopt, str(value));
}

MStatus MDGModifier::doIt() {
  scene::Scene& scene = host().scene();
  // The modifier is its own undo; nothing it does enters the undo queue.
  scene::SuspendScope suspend(scene.undoQueue());
  for (; impl_->done < impl_->ops.size(); ++impl_->done) {
    try {
      impl_->ops[impl_->done]->run(scene);
    } catch (const std::exception&) {
      return MS::kFailure;
    }
  }
  return MS::kSuccess;
}

MStatus MDGModifier::undoIt() {
  scene::Scene& scene = host().scene();
  scene::SuspendScope suspend(scene.undoQueue());
  MStatus status;
  for (; impl_->done > 0; --impl_->done) {
    try {
      impl_->ops[impl_->done - 1]->revert(scene);
    } catch (const std::exception&) {
      status = MS::kFailure;  // e.g. the node was deleted meanwhile; go on
    }
  }
  return status;
}

const char* MDGModifier::className() { return "MDGModifier"; }
