// playblast: a picture of the scene through one of the default cameras.
#pragma once

namespace mel {
class Interpreter;
}
namespace scene {
class Scene;
}

namespace render {

// Registers `playblast`. Supported: -format image, -compression png,
// -completeFilename, -filename with -frame and -framePadding,
// -widthHeight, -percent, -camera (persp, top, front, side), -showOrnaments,
// -forceOverwrite, -viewer false; -offScreen, -clearCache and -quality are
// accepted and change nothing. Returns the name of the file written
// (name.####.png for -filename).
void registerPlayblastCommand(mel::Interpreter& interp, scene::Scene& scene);

}  // namespace render
