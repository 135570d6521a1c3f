// setAttr, getAttr. Values cross the MEL boundary in UI units (degrees).
#include <cmath>

#include "commands/Commands.h"
#include "commands/Common.h"
#include "mel/CommandArgs.h"

namespace commands {

namespace {

// The values after the plug name, arrays and vectors spread out.
std::vector<mel::Value> flatValues(const mel::Args& pos) {
  std::vector<mel::Value> out;
  for (std::size_t i = 1; i < pos.size(); ++i) {
    const mel::Value& v = pos[i];
    if (v.type() == mel::ValueType::Vector) {
      for (double d : v.asVector()) out.emplace_back(d);
    } else if (v.type() == mel::ValueType::FloatArray || v.type() == mel::ValueType::IntArray) {
      for (double d : v.asFloatArray()) out.emplace_back(d);
    } else if (v.type() == mel::ValueType::StringArray) {
      for (const std::string& s : v.asStringArray()) out.emplace_back(s);
    } else {
      out.push_back(v);
    }
  }
  return out;
}

void assign(scene::Scene& scene, const scene::Plug& p, const std::vector<mel::Value>& values) {
  const scene::AttrDecl& a = *scene.decl(p);
  const std::string what = "setAttr " + scene.plugName(p);
  if (a.type == scene::AttrType::String) {
    if (values.size() != 1) throw mel::Error("setAttr: A string attribute takes one value.");
    scene.setString(p, values[0].asString());
  } else if (a.isCompound()) {
    if (values.size() < a.children.size())
      throw mel::Error("setAttr: Not enough data was provided.");
    if (values.size() > a.children.size())
      throw mel::Error("setAttr: Too many data values were provided.");
    std::vector<double> numbers;
    for (std::size_t i = 0; i < values.size(); ++i) {
      const scene::AttrDecl& child = *scene.decl(scene::Plug{p.node, a.children[i]});
      numbers.push_back(fromUi(child, numberArg(values[i], what)));
    }
    scene.setNumbers(p, numbers);
  } else if (scene::isNumeric(a.type)) {
    if (values.size() != 1) {
      throw mel::Error(values.empty() ? "setAttr: Not enough data was provided."
                                      : "setAttr: Too many data values were provided.");
    }
    scene.setDouble(p, fromUi(a, numberArg(values[0], what)));
  } else {
    throw mel::Error("setAttr: The data of '" + scene.plugName(p) + "' cannot be set from MEL.");
  }
}

mel::Value setAttrCmd(scene::Scene& scene, mel::Interpreter&, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {{"typ", "type", 1},
                                                    {"l", "lock", 1},
                                                    {"k", "keyable", 1},
                                                    {"cb", "channelBox", 1},
                                                    {"cl", "clamp", 0}};
  mel::CommandArgs a("setAttr", kFlags, args);
  const mel::Args& pos = a.positional();
  if (pos.empty()) throw mel::Error("setAttr: No attribute was given.");
  const scene::Plug p = findPlug(scene, pos[0].asString());
  const std::vector<mel::Value> values = flatValues(pos);
  const bool hasLock = a.has("lock");
  const bool lock = hasLock && mel::toBool(a.arg("lock"));
  if (values.empty() && !hasLock && !a.has("keyable") && !a.has("channelBox")) {
    throw mel::Error("setAttr: Not enough data was provided.");
  }

  scene::ChunkScope chunk(scene.undoQueue(), "setAttr");
  try {
    if (hasLock && !lock) scene.setLocked(p, false);
    if (!values.empty()) assign(scene, p, values);
    if (hasLock && lock) scene.setLocked(p, true);
  } catch (const scene::Error& e) {
    throw mel::Error(std::string("setAttr: ") + e.what());
  }
  return {};
}

mel::Value getAttrCmd(scene::Scene& scene, mel::Interpreter&, const mel::Args& args) {
  static const std::vector<mel::FlagDecl> kFlags = {{"typ", "type", 0},
                                                    {"l", "lock", 0},
                                                    {"sl", "silent", 0},
                                                    {"k", "keyable", 0},
                                                    {"x", "expandEnvironmentVariables", 0}};
  mel::CommandArgs a("getAttr", kFlags, args);
  const std::vector<std::string> pos = words(a.positional());
  if (pos.size() != 1) throw mel::Error("getAttr: one attribute is needed.");
  const scene::Plug p = findPlug(scene, pos[0]);
  const scene::AttrDecl& decl = *scene.decl(p);
  if (a.has("type")) return scene::attrTypeName(decl.type);
  if (a.has("lock")) return scene.isLocked(p) ? 1 : 0;
  if (a.has("keyable")) return decl.keyable ? 1 : 0;

  switch (decl.type) {
    case scene::AttrType::Bool:
    case scene::AttrType::Long:
      return static_cast<int>(std::lround(scene.getDouble(p)));
    case scene::AttrType::Double:
    case scene::AttrType::Float:
    case scene::AttrType::Distance:
    case scene::AttrType::Angle:
      return toUi(decl, scene.getDouble(p));
    case scene::AttrType::Double3: {
      const std::vector<double> raw = scene.getNumbers(p);
      std::vector<double> out;
      for (std::size_t i = 0; i < raw.size(); ++i) {
        out.push_back(toUi(*scene.decl(scene::Plug{p.node, decl.children[i]}), raw[i]));
      }
      return out;
    }
    case scene::AttrType::String:
      return scene.getString(p);
    case scene::AttrType::Message:
    case scene::AttrType::Mesh:
      break;
  }
  throw mel::Error("getAttr: The data of '" + scene.plugName(p) + "' cannot be shown in MEL.");
}

}  // namespace

void registerAttributeCommands(mel::Interpreter& interp, scene::Scene& scene) {
  addCommand(interp, scene, "setAttr", setAttrCmd);
  addCommand(interp, scene, "getAttr", getAttrCmd);
}

}  // namespace commands
