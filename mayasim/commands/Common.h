// Helpers shared by the scene commands: finding nodes and plugs by the names
// a script gives, unit conversion at the MEL boundary, and registration that
// turns scene errors into MEL errors.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "mel/Interpreter.h"
#include "mel/Value.h"
#include "scene/Scene.h"

namespace commands {

using SceneCommandFn =
    std::function<mel::Value(scene::Scene& scene, mel::Interpreter& interp, const mel::Args& args)>;

// Registers `fn` as MEL command `name`; a scene::Error it throws reaches the
// script as a mel::Error with the same text.
void addCommand(mel::Interpreter& interp, scene::Scene& scene, const std::string& name,
                SceneCommandFn fn);

// Every argument as text, string arrays flattened (`select $objects`).
std::vector<std::string> words(const mel::Args& args);

// The node called `name` (short name or path). Throws mel::Error
// "No object matches name: X" or "More than one object matches name: X".
scene::NodeId findNode(const scene::Scene& scene, const std::string& name);
// Nodes for a name that may hold '*' or '?' (sorted by name). With
// `required`, no match throws "No object matches name: X".
std::vector<scene::NodeId> matchNodes(const scene::Scene& scene, const std::string& pattern,
                                      bool required);
// The plug "node.attr", or ".attr" of the first selected node. Throws mel::Error "No object matches
// name: X".
scene::Plug findPlug(const scene::Scene& scene, const std::string& text);

// The nodes named in `names`, or the selection when there are none.
std::vector<scene::NodeId> nodesOrSelection(const scene::Scene& scene,
                                            const std::vector<std::string>& names);

// UI units <-> internal units: angles are degrees in MEL, radians inside.
double toUi(const scene::AttrDecl& attr, double internal);
double fromUi(const scene::AttrDecl& attr, double ui);

// Reads a MEL value as a number; "on"/"true"/"yes" etc. count for bools.
// Throws mel::Error naming `what` when it is not a number.
double numberArg(const mel::Value& v, const std::string& what);

mel::Value stringArray(const std::vector<std::string>& items);

}  // namespace commands
