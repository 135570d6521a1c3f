#include "mel/builtins/SceneCommands.h"

#include "mel/builtins/Commands.h"

void registerSceneCommands(mel::Interpreter& interp, scene::Scene& scene) {
  builtins::registerSelectionCommands(interp, scene);
  builtins::registerNodeCommands(interp, scene);
  builtins::registerDagCommands(interp, scene);
  builtins::registerAttributeCommands(interp, scene);
  builtins::registerConnectionCommands(interp, scene);
  builtins::registerModelingCommands(interp, scene);
  builtins::registerUndoCommands(interp, scene);
}
