#include "scene/BuiltinTypes.h"

#include "scene/Scene.h"

namespace scene {

namespace {

std::vector<AttrDecl> xyz(const std::string& longName, const std::string& shortName, AttrType type,
                          double defaultValue) {
  const std::string longs[3] = {longName + "X", longName + "Y", longName + "Z"};
  const std::string shorts[3] = {shortName + "x", shortName + "y", shortName + "z"};
  return double3Attrs(longName, shortName, type, longs, shorts, defaultValue);
}

void append(std::vector<AttrDecl>& to, std::vector<AttrDecl> more) {
  for (AttrDecl& a : more) to.push_back(std::move(a));
}

AttrDecl output(AttrDecl a) {
  a.writable = false;
  a.storable = false;
  a.keyable = false;
  return a;
}

AttrDecl affecting(AttrDecl a, std::vector<std::string> targets) {
  a.affectsNames = std::move(targets);
  return a;
}

NodeTypeDecl dependNode() {
  NodeTypeDecl t;
  t.name = "dependNode";
  t.isAbstract = true;
  t.apiType = api::kDependencyNode;
  t.attrs.push_back(messageAttr("message", "msg"));
  AttrDecl caching = numericAttr("caching", "cch", AttrType::Bool, 0);
  caching.keyable = false;
  t.attrs.push_back(caching);
  AttrDecl interesting = numericAttr("isHistoricallyInteresting", "ihi", AttrType::Long, 2);
  interesting.keyable = false;
  t.attrs.push_back(interesting);
  return t;
}

NodeTypeDecl dagNode() {
  NodeTypeDecl t;
  t.name = "dagNode";
  t.parentName = "dependNode";
  t.isDag = true;
  t.isAbstract = true;
  t.apiType = api::kDagNode;
  t.attrs.push_back(numericAttr("visibility", "v", AttrType::Bool, 1));
  return t;
}

NodeTypeDecl transform() {
  NodeTypeDecl t;
  t.name = "transform";
  t.parentName = "dagNode";
  t.apiType = api::kTransform;
  append(t.attrs, xyz("translate", "t", AttrType::Distance, 0));
  append(t.attrs, xyz("rotate", "r", AttrType::Angle, 0));
  append(t.attrs, xyz("scale", "s", AttrType::Double, 1));
  return t;
}

NodeTypeDecl shape() {
  NodeTypeDecl t;
  t.name = "shape";
  t.parentName = "dagNode";
  t.isShape = true;
  t.isAbstract = true;
  t.apiType = api::kShape;
  return t;
}

NodeTypeDecl mesh() {
  NodeTypeDecl t;
  t.name = "mesh";
  t.parentName = "shape";
  t.apiType = api::kMesh;
  t.attrs.push_back(affecting(meshAttr("inMesh", "i"), {"outMesh"}));
  t.attrs.push_back(output(meshAttr("outMesh", "o")));
  t.compute = [](Scene& scene, NodeId id, const AttrDecl& attr) {
    if (attr.longName != "outMesh") return false;
    scene.setComputedMesh(Plug{id, attr.index}, scene.getMesh(scene.plug(id, "inMesh")));
    return true;
  };
  return t;
}

NodeTypeDecl polyCube() {
  NodeTypeDecl t;
  t.name = "polyCube";
  t.parentName = "dependNode";
  t.apiType = api::kPolyCube;
  const std::pair<const char*, const char*> sizes[] = {
      {"width", "w"}, {"height", "h"}, {"depth", "d"}};
  for (const auto& [longName, shortName] : sizes) {
    AttrDecl a = affecting(numericAttr(longName, shortName, AttrType::Distance, 1), {"output"});
    a.min = 0;
    t.attrs.push_back(a);
  }
  t.attrs.push_back(output(meshAttr("output", "out")));
  t.compute = [](Scene& scene, NodeId id, const AttrDecl& attr) {
    if (attr.longName != "output") return false;
    MeshData m;
    m.valid = true;
    m.width = scene.getDouble(scene.plug(id, "width"));
    m.height = scene.getDouble(scene.plug(id, "height"));
    m.depth = scene.getDouble(scene.plug(id, "depth"));
    scene.setComputedMesh(Plug{id, attr.index}, m);
    return true;
  };
  return t;
}

NodeTypeDecl locator() {
  NodeTypeDecl t;
  t.name = "locator";
  t.parentName = "shape";
  t.apiType = api::kLocator;
  append(t.attrs, xyz("localPosition", "lp", AttrType::Distance, 0));
  return t;
}

NodeTypeDecl light() {
  NodeTypeDecl t;
  t.name = "light";
  t.parentName = "shape";
  t.isAbstract = true;
  t.apiType = api::kLight;
  t.attrs.push_back(numericAttr("intensity", "in", AttrType::Float, 1));
  const std::string longs[3] = {"colorR", "colorG", "colorB"};
  const std::string shorts[3] = {"cr", "cg", "cb"};
  append(t.attrs, double3Attrs("color", "cl", AttrType::Float, longs, shorts, 1));
  return t;
}

NodeTypeDecl leaf(const char* name, const char* parent, int apiType) {
  NodeTypeDecl t;
  t.name = name;
  t.parentName = parent;
  t.apiType = apiType;
  return t;
}

}  // namespace

void registerBuiltinTypes(Scene& scene) {
  scene.registerType(dependNode());
  scene.registerType(dagNode());
  scene.registerType(transform());
  scene.registerType(shape());
  scene.registerType(mesh());
  scene.registerType(polyCube());
  scene.registerType(locator());
  scene.registerType(light());
  scene.registerType(leaf("pointLight", "light", api::kPointLight));
  NodeTypeDecl camera = leaf("camera", "shape", api::kCamera);
  camera.attrs.push_back(numericAttr("focalLength", "fl", AttrType::Double, 35));
  scene.registerType(std::move(camera));
}

}  // namespace scene
