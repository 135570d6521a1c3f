// Ctrl-C for the executable. The first SIGINT only sets a flag that the idle
// loop and the interactive session check between steps, so they end cleanly
// (plug-ins unloaded). A second SIGINT before the flag is cleared ends the
// process at once, for a script stuck in a loop.
#pragma once

namespace mayasim::app {

// Installs the handler, or installs it again after plug-in code replaced it
// (oscpack sets SIGINT back to the default after each receive turn).
void installInterruptHandler();

bool interruptRequested();
void clearInterrupt();

}  // namespace mayasim::app
