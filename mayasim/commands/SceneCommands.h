// The scene's MEL commands: select, ls, objExists, nodeType, createNode,
// delete, rename, parent, listRelatives, setAttr, getAttr, connectAttr,
// disconnectAttr, isConnected, listConnections, polyCube, move, xform,
// undo, redo, flushUndo, undoInfo.
//
// Each undoable command is one undo step (its own chunk). Failures throw
// mel::Error in Maya's words and leave the scene as it was. Undo/redo print
// "// Undo: <label> //" / "// Redo: <label> //" through the interpreter's output.
#pragma once

namespace mel {
class Interpreter;
}
namespace scene {
class Scene;
}

// Registers the commands; the scene must outlive the interpreter's use of them.
void registerSceneCommands(mel::Interpreter& interp, scene::Scene& scene);
