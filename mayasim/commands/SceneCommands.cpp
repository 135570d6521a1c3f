#include "commands/SceneCommands.h"

#include "commands/Commands.h"

void registerSceneCommands(mel::Interpreter& interp, scene::Scene& scene) {
  commands::registerSelectionCommands(interp, scene);
  commands::registerNodeCommands(interp, scene);
  commands::registerDagCommands(interp, scene);
  commands::registerAttributeCommands(interp, scene);
  commands::registerConnectionCommands(interp, scene);
  commands::registerModelingCommands(interp, scene);
  commands::registerUndoCommands(interp, scene);
}
