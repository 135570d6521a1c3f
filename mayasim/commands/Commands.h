// The groups of scene commands, each registered by its own file.
#pragma once

#include "mel/Interpreter.h"
#include "scene/Scene.h"

namespace commands {

void registerSelectionCommands(mel::Interpreter& interp, scene::Scene& scene);  // select, ls
void registerNodeCommands(mel::Interpreter& interp,
                          scene::Scene& scene);  // createNode, delete, rename, objExists, nodeType
void registerDagCommands(mel::Interpreter& interp, scene::Scene& scene);  // parent, listRelatives
void registerAttributeCommands(mel::Interpreter& interp, scene::Scene& scene);  // setAttr, getAttr
void registerConnectionCommands(
    mel::Interpreter& interp,
    scene::Scene& scene);  // connectAttr, disconnectAttr, isConnected, listConnections
void registerModelingCommands(mel::Interpreter& interp,
                              scene::Scene& scene);  // polyCube, move, xform
void registerUndoCommands(mel::Interpreter& interp,
                          scene::Scene& scene);  // undo, redo, flushUndo, undoInfo

}  // namespace commands
