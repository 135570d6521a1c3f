// polyCube, move, xform.
#include "commands/Commands.h"
#include "commands/Common.h"
#include "mel/CommandArgs.h"
#include "scene/Naming.h"
#include "scene/TransformMath.h"

namespace commands {

namespace {

mel::Value polyCubeCmd(scene::Scene& scene, mel::Interpreter&, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {
      {"w", "width", 1},          {"h", "height", 1},         {"d", "depth", 1},
      {"n", "name", 1},           {"sx", "subdivisionsX", 1}, {"sy", "subdivisionsY", 1},
      {"sz", "subdivisionsZ", 1}, {"ax", "axis", 3},          {"ch", "constructionHistory", 1},
      {"cuv", "createUVs", 1}};
  mel::CommandArgs a("polyCube", kFlags, args);
  double size[3] = {1, 1, 1};
  const char* sizeFlags[3] = {"width", "height", "depth"};
  for (int i = 0; i < 3; ++i) {
    if (a.has(sizeFlags[i]))
      size[i] = numberArg(a.arg(sizeFlags[i]), std::string("-") + sizeFlags[i]);
  }
  const std::string name = a.has("name") ? a.arg("name").asString() : std::string("pCube#");

  scene::ChunkScope chunk(scene.undoQueue(), "polyCube");
  const scene::NodeId maker = scene.createNode("polyCube");
  for (int i = 0; i < 3; ++i) {
    if (size[i] != 1) scene.setDouble(scene.plug(maker, sizeFlags[i]), size[i]);
  }
  const scene::NodeId transform = scene.createNode("transform", name);
  // The shape is named after its transform: pCube3 -> pCubeShape3, box -> boxShape.
  auto [base, digits] = scene::splitTrailingDigits(scene.node(transform)->name());
  const scene::NodeId shape = scene.createNode("mesh", base + "Shape" + digits, transform);
  scene.connect(scene.plug(maker, "output"), scene.plug(shape, "inMesh"));
  scene.select({transform}, scene::SelectMode::Replace);
  return stringArray({scene.partialPath(transform), scene.partialPath(maker)});
}

// The transform a move acts on: the node itself, or a shape's transform.
scene::NodeId movable(scene::Scene& scene, scene::NodeId id) {
  if (scene.node(id)->type().isShape()) id = scene.parentOf(id);
  if (id == scene::kNoNode || !scene.node(id)->type().isA("transform")) return scene::kNoNode;
  return id;
}

mel::Value moveCmd(scene::Scene& scene, mel::Interpreter&, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {
      {"a", "absolute", 0},     {"r", "relative", 0},    {"ws", "worldSpace", 0},
      {"os", "objectSpace", 0}, {"ls", "localSpace", 0}, {"x", "moveX", 0},
      {"y", "moveY", 0},        {"z", "moveZ", 0}};
  mel::CommandArgs a("move", kFlags, args);
  // Leading numbers are the vector; the rest names objects.
  std::vector<double> v;
  v.reserve(3);
  std::vector<std::string> names;
  for (const mel::Value& arg : a.positional()) {
    if (names.empty() && v.size() < 3 &&
        (arg.isNumber() ||
         (arg.isString() && !arg.asString().empty() &&
          arg.asString().find_first_not_of("+-.0123456789eE") == std::string::npos))) {
      v.push_back(numberArg(arg, "move"));
    } else {
      for (const std::string& w : words({arg})) names.push_back(w);
    }
  }
  if (v.size() != 3) throw mel::Error("move: Three values are needed.");
  bool axis[3] = {a.has("moveX"), a.has("moveY"), a.has("moveZ")};
  if (!axis[0] && !axis[1] && !axis[2]) axis[0] = axis[1] = axis[2] = true;
  const bool relative = a.has("relative");
  const bool local = a.has("objectSpace") || a.has("localSpace");

  std::vector<scene::NodeId> targets;
  for (scene::NodeId id : nodesOrSelection(scene, names)) {
    scene::NodeId t = movable(scene, id);
    if (t != scene::kNoNode) targets.push_back(t);
  }
  if (targets.empty()) throw mel::Error("move: No objects to move.");

  scene::ChunkScope chunk(scene.undoQueue(), "move");
  for (scene::NodeId t : targets) {
    const scene::Plug translate = scene.plug(t, "translate");
    const std::vector<double> cur = scene.getNumbers(translate);
    scene::Vec3 next{cur[0], cur[1], cur[2]};
    if (local || scene.parentOf(t) == scene::kNoNode) {
      for (int i = 0; i < 3; ++i) {
        if (axis[i])
          next[i] = relative ? cur[static_cast<std::size_t>(i)] + v[static_cast<std::size_t>(i)]
                             : v[static_cast<std::size_t>(i)];
      }
    } else {
      // World space: work on the world position, then bring it back under the parent.
      const scene::Matrix4 parent = scene::exclusiveMatrix(scene, t);
      scene::Vec3 world = scene::transformPoint(next, parent);
      for (int i = 0; i < 3; ++i) {
        if (axis[i])
          world[i] =
              relative ? world[i] + v[static_cast<std::size_t>(i)] : v[static_cast<std::size_t>(i)];
      }
      next = scene::transformPoint(world, scene::inverse(parent));
    }
    scene.setNumbers(translate, {next[0], next[1], next[2]});
  }
  return {};
}

mel::Value xformCmd(scene::Scene& scene, mel::Interpreter&, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {
      {"q", "query", 0},    {"t", "translation", 3}, {"ro", "rotation", 3},
      {"s", "scale", 3},    {"ws", "worldSpace", 0}, {"os", "objectSpace", 0},
      {"r", "relative", 0}, {"a", "absolute", 0}};
  mel::CommandArgs a("xform", kFlags, args);
  std::vector<scene::NodeId> targets;
  for (scene::NodeId id : nodesOrSelection(scene, words(a.positional()))) {
    scene::NodeId t = movable(scene, id);
    if (t != scene::kNoNode) targets.push_back(t);
  }
  if (targets.empty()) throw mel::Error("xform: No transform was given or selected.");
  const bool world = a.has("worldSpace");

  if (a.query()) {
    const scene::NodeId t = targets.front();
    if (a.has("translation")) {
      std::vector<double> tr = scene.getNumbers(scene.plug(t, "translate"));
      if (world) {
        scene::Vec3 w =
            scene::transformPoint({tr[0], tr[1], tr[2]}, scene::exclusiveMatrix(scene, t));
        tr = {w[0], w[1], w[2]};
      }
      return tr;
    }
    if (a.has("rotation")) {
      std::vector<double> r = scene.getNumbers(scene.plug(t, "rotate"));
      for (double& d : r) d = d * 180.0 / 3.14159265358979323846;
      return r;
    }
    if (a.has("scale")) return scene.getNumbers(scene.plug(t, "scale"));
    throw mel::Error("xform: Nothing to query.");
  }

  auto three = [&](const char* flag) {
    std::vector<double> out;
    for (int i = 0; i < 3; ++i) out.push_back(numberArg(a.arg(flag, i), std::string("-") + flag));
    return out;
  };
  scene::ChunkScope chunk(scene.undoQueue(), "xform");
  const bool relative = a.has("relative");
  for (scene::NodeId t : targets) {
    auto apply = [&](const char* attr, std::vector<double> v, double unit) {
      const scene::Plug p = scene.plug(t, attr);
      const std::vector<double> cur = scene.getNumbers(p);
      for (std::size_t i = 0; i < 3; ++i) v[i] = v[i] * unit + (relative ? cur[i] : 0);
      scene.setNumbers(p, v);
    };
    if (a.has("translation")) {
      std::vector<double> v = three("translation");
      if (world && !relative && scene.parentOf(t) != scene::kNoNode) {
        scene::Vec3 local = scene::transformPoint({v[0], v[1], v[2]},
                                                  scene::inverse(scene::exclusiveMatrix(scene, t)));
        v = {local[0], local[1], local[2]};
      }
      apply("translate", v, 1);
    }
    if (a.has("rotation")) apply("rotate", three("rotation"), 3.14159265358979323846 / 180.0);
    if (a.has("scale")) apply("scale", three("scale"), 1);
  }
  return {};
}

}  // namespace

void registerModelingCommands(mel::Interpreter& interp, scene::Scene& scene) {
  addCommand(interp, scene, "polyCube", polyCubeCmd);
  addCommand(interp, scene, "move", moveCmd);
  addCommand(interp, scene, "xform", xformCmd);
}

}  // namespace commands
