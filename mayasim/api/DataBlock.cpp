// MDataBlock and MDataHandle: what a plug-in node's compute() reads and
// writes, over the scene.
//
// An input handle holds a copy of the input's value, read (and so evaluated)
// when inputValue() is called. An output handle holds the value being made;
// setClean() stores it in the scene and marks the plug clean. Outputs written
// but never cleaned are stored when compute() returns successfully.
#include <maya/MAngle.h>
#include <maya/MDataBlock.h>
#include <maya/MDataHandle.h>
#include <maya/MDistance.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <cmath>
#include <exception>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "api/ObjectAccess.h"
#include "api/PluginNodeTypes.h"
#include "api/ReturnStatus.h"
#include "host/Host.h"
#include "scene/Scene.h"

using mayasim::ObjectAccess;
using scene::AttrType;

namespace {

// One value as every getter of MDataHandle sees it; getters return
// references into it, so each type has its own field.
struct Values {
  bool b = false;
  char c = 0;
  short s = 0;
  int i = 0;
  float f = 0;
  double d = 0;
  double3 d3 = {0, 0, 0};
  MString str;
};

// A whole number of type T nearest to `v`, saturated; 0 for NaN.
template <typename T>
T wholeNumber(double v) {
  if (std::isnan(v)) return 0;
  const double lo = static_cast<double>(std::numeric_limits<T>::min());
  const double hi = static_cast<double>(std::numeric_limits<T>::max());
  return static_cast<T>(v < lo ? lo : v > hi ? hi : v);
}

struct HandleData {
  scene::Scene* scene = nullptr;
  scene::Plug plug;
  AttrType type = AttrType::Double;
  bool output = false;
  bool written = false;  // set() was called since the value was stored
  Values now;
  Values loaded;  // as last loaded or set: shows writes through a getter's reference

  void loadNumber(double v) {
    now.b = v != 0.0;
    now.c = wholeNumber<char>(v);
    now.s = wholeNumber<short>(v);
    now.i = wholeNumber<int>(type == AttrType::Long ? std::round(v) : v);
    now.f = static_cast<float>(v);
    now.d = v;
    loaded = now;
  }
  void loadTriple(double x, double y, double z) {
    now.d3[0] = x;
    now.d3[1] = y;
    now.d3[2] = z;
    loaded = now;
  }
  void loadString(const MString& v) {
    now.str = v;
    loaded = now;
  }

  // The number to store: the field that fits the attribute's type, unless
  // compute wrote through another getter's reference.
  double number() const {
    const double natural = type == AttrType::Bool    ? (now.b ? 1.0 : 0.0)
                           : type == AttrType::Long  ? now.i
                           : type == AttrType::Float ? now.f
                                                     : now.d;
    const double before = type == AttrType::Bool    ? (loaded.b ? 1.0 : 0.0)
                          : type == AttrType::Long  ? loaded.i
                          : type == AttrType::Float ? loaded.f
                                                    : loaded.d;
    if (natural != before) return natural;
    if (now.d != loaded.d) return now.d;
    if (now.f != loaded.f) return now.f;
    if (now.i != loaded.i) return now.i;
    if (now.s != loaded.s) return now.s;
    if (now.c != loaded.c) return now.c;
    if (now.b != loaded.b) return now.b ? 1.0 : 0.0;
    return natural;
  }

  bool changed() const {
    return written || now.b != loaded.b || now.c != loaded.c || now.s != loaded.s ||
           now.i != loaded.i || now.f != loaded.f || now.d != loaded.d ||
           now.d3[0] != loaded.d3[0] || now.d3[1] != loaded.d3[1] || now.d3[2] != loaded.d3[2] ||
           now.str != loaded.str;
  }

  // Stores an output's value in the scene and marks the plug clean.
  void commit() {
    if (!output || !scene || !scene->exists(plug.node)) return;
    if (type == AttrType::Double3) {
      const std::vector<scene::Plug> children = scene->childPlugs(plug);
      for (std::size_t k = 0; k < children.size() && k < 3; ++k)
        scene->setComputed(children[k], now.d3[k]);
    } else if (type == AttrType::String) {
      scene->setComputedString(plug, mayasim::str(now.str));
    } else if (scene::isNumeric(type)) {
      scene->setComputed(plug, number());
    }
    loaded = now;
    written = false;
  }
};

// The compute call a data block belongs to.
struct BlockState {
  scene::Scene* scene = nullptr;
  scene::NodeId node = scene::kNoNode;
  std::vector<std::shared_ptr<HandleData>> outputs;
};

BlockState* stateOf(void* impl) { return static_cast<BlockState*>(impl); }

MDataHandle makeHandle(std::shared_ptr<HandleData> data) {
  return ObjectAccess::makeDataHandle(std::move(data));
}

// Getters of a handle that denotes nothing read and write this.
HandleData& orphan() {
  thread_local HandleData data;
  return data;
}

HandleData& dataOf(const std::shared_ptr<void>& impl) {
  return impl ? *static_cast<HandleData*>(impl.get()) : orphan();
}

// Index of `attr` in the computing node's type, or -1.
int attrIndex(const BlockState& block, const MObject& attr) {
  const scene::NodeType* type = block.scene->typeOf(block.node);
  return type ? ObjectAccess::attrIndexIn(attr, *type) : -1;
}

void loadValue(HandleData& h, bool evaluate) {
  scene::Scene& s = *h.scene;
  const scene::AttrDecl& decl = *s.decl(h.plug);
  if (!evaluate && s.isDirty(h.plug)) {
    // Not made yet: start from the default rather than computing it here.
    if (h.type == AttrType::String) {
      h.loadString(mayasim::mstr(decl.defaultString));
    } else if (h.type == AttrType::Double3) {
      double v[3] = {0, 0, 0};
      const std::vector<scene::Plug> children = s.childPlugs(h.plug);
      for (std::size_t k = 0; k < children.size() && k < 3; ++k)
        v[k] = s.decl(children[k])->defaultValue;
      h.loadTriple(v[0], v[1], v[2]);
    } else {
      h.loadNumber(decl.defaultValue);
    }
    return;
  }
  if (h.type == AttrType::Double3) {
    const std::vector<double> v = s.getNumbers(h.plug);
    h.loadTriple(v.size() > 0 ? v[0] : 0, v.size() > 1 ? v[1] : 0, v.size() > 2 ? v[2] : 0);
  } else if (h.type == AttrType::String) {
    h.loadString(mayasim::mstr(s.getString(h.plug)));
  } else if (scene::isNumeric(h.type)) {
    h.loadNumber(s.getDouble(h.plug));
  }
}

MDataHandle handleFor(void* impl, const MObject& attr, bool output, MStatus* status) {
  BlockState* block = stateOf(impl);
  const int index = block ? attrIndex(*block, attr) : -1;
  if (index < 0) {
    mayasim::setStatus(status, MS::kInvalidParameter);
    return MDataHandle();
  }
  const scene::Plug plug{block->node, index};
  if (output) {
    for (const auto& h : block->outputs) {
      if (h->plug == plug) {
        mayasim::setStatus(status, MS::kSuccess);
        return makeHandle(h);
      }
    }
  }
  auto h = std::make_shared<HandleData>();
  h->scene = block->scene;
  h->plug = plug;
  h->type = block->scene->decl(plug)->type;
  h->output = output;
  loadValue(*h, !output);
  if (output) block->outputs.push_back(h);
  mayasim::setStatus(status, MS::kSuccess);
  return makeHandle(std::move(h));
}

MObject attributeOf(const MPlug& plug) { return ObjectAccess::plugAttribute(plug); }

}  // namespace

// ================================================================ MDataBlock

// Blocks are made only by the host, for one compute call (runWithBlock).
MDataBlock::MDataBlock() : impl_(nullptr) {}
MDataBlock::MDataBlock(const MDataBlock& other) : impl_(other.impl_) {}
MDataBlock::~MDataBlock() = default;

MDataHandle MDataBlock::inputValue(const MPlug& plug, MStatus* ReturnStatus) {
  return handleFor(impl_, attributeOf(plug), false, ReturnStatus);
}
MDataHandle MDataBlock::inputValue(const MObject& attribute, MStatus* ReturnStatus) {
  return handleFor(impl_, attribute, false, ReturnStatus);
}
MDataHandle MDataBlock::outputValue(const MPlug& plug, MStatus* ReturnStatus) {
  return handleFor(impl_, attributeOf(plug), true, ReturnStatus);
}
MDataHandle MDataBlock::outputValue(const MObject& attribute, MStatus* ReturnStatus) {
  return handleFor(impl_, attribute, true, ReturnStatus);
}

MStatus MDataBlock::setClean(const MPlug& plug) { return setClean(attributeOf(plug)); }

MStatus MDataBlock::setClean(const MObject& attribute) {
  MStatus status;
  MDataHandle handle = handleFor(impl_, attribute, true, &status);
  if (status) handle.setClean();
  return status;
}

const char* MDataBlock::className() { return "MDataBlock"; }

// =============================================================== MDataHandle

MDataHandle::MDataHandle() = default;
MDataHandle::MDataHandle(const MDataHandle& other) = default;
MDataHandle::~MDataHandle() = default;
MDataHandle& MDataHandle::operator=(const MDataHandle& other) = default;

bool& MDataHandle::asBool() const { return dataOf(impl_).now.b; }
char& MDataHandle::asChar() const { return dataOf(impl_).now.c; }
short& MDataHandle::asShort() const { return dataOf(impl_).now.s; }
int& MDataHandle::asInt() const { return dataOf(impl_).now.i; }
float& MDataHandle::asFloat() const { return dataOf(impl_).now.f; }
double& MDataHandle::asDouble() const { return dataOf(impl_).now.d; }
double3& MDataHandle::asDouble3() const { return dataOf(impl_).now.d3; }
MString& MDataHandle::asString() const { return dataOf(impl_).now.str; }
MAngle MDataHandle::asAngle() const { return MAngle(dataOf(impl_).number(), MAngle::kRadians); }
MDistance MDataHandle::asDistance() const {
  return MDistance(dataOf(impl_).number(), MDistance::kCentimeters);
}

namespace {

void setNumber(const std::shared_ptr<void>& impl, double v) {
  HandleData& h = dataOf(impl);
  h.loadNumber(v);
  h.written = true;
}

}  // namespace

void MDataHandle::set(bool value) { setNumber(impl_, value ? 1.0 : 0.0); }
void MDataHandle::set(char value) { setNumber(impl_, value); }
void MDataHandle::set(short value) { setNumber(impl_, value); }
void MDataHandle::set(int value) { setNumber(impl_, value); }
void MDataHandle::set(float value) { setNumber(impl_, value); }
void MDataHandle::set(double value) { setNumber(impl_, value); }
void MDataHandle::set(const MAngle& value) { setNumber(impl_, value.asRadians()); }
void MDataHandle::set(const MDistance& value) { setNumber(impl_, value.asCentimeters()); }

void MDataHandle::set(double x, double y, double z) {
  HandleData& h = dataOf(impl_);
  h.loadTriple(x, y, z);
  h.written = true;
}

void MDataHandle::set(const MString& value) {
  HandleData& h = dataOf(impl_);
  h.loadString(value);
  h.written = true;
}

void MDataHandle::setBool(bool value) { set(value); }
void MDataHandle::setInt(int value) { set(value); }
void MDataHandle::setFloat(float value) { set(value); }
void MDataHandle::setDouble(double value) { set(value); }
void MDataHandle::setString(const MString& value) { set(value); }
void MDataHandle::setMAngle(const MAngle& value) { set(value); }
void MDataHandle::setMDistance(const MDistance& value) { set(value); }

void MDataHandle::setClean() {
  if (impl_) dataOf(impl_).commit();
}

const char* MDataHandle::className() { return "MDataHandle"; }

// ============================================================ compute calls

namespace mayasim {

MStatus ObjectAccess::computeWithBlock(MPxNode& node, const MPlug& plug, void* blockState) {
  MDataBlock block;
  block.impl_ = blockState;
  return node.compute(plug, block);
}

MDataHandle ObjectAccess::makeDataHandle(std::shared_ptr<void> handleData) {
  MDataHandle handle;
  handle.impl_ = std::move(handleData);
  return handle;
}

bool computePluginNode(MPxNode& node, scene::Scene& scene, scene::NodeId id,
                       const scene::AttrDecl& attr) {
  BlockState state;
  state.scene = &scene;
  state.node = id;
  const MPlug plug = ObjectAccess::makePlug(scene::Plug{id, attr.index});

  MStatus status;
  try {
    status = ObjectAccess::computeWithBlock(node, plug, &state);
  } catch (const std::exception& e) {
    host().output().error(scene.plugName(scene::Plug{id, attr.index}) +
                          ": compute failed: " + e.what());
    return true;
  } catch (...) {
    host().output().error(scene.plugName(scene::Plug{id, attr.index}) + ": compute failed");
    return true;
  }
  if (status == MS::kUnknownParameter) return false;
  if (status) {
    for (const auto& h : state.outputs) {
      if (h->changed()) h->commit();
    }
  }
  return true;
}

}  // namespace mayasim
