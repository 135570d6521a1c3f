#include "mel/lib/StandardLibrary.h"

#include "mel/lib/LibraryParts.h"

namespace mel {

void openStandardLibrary(Interpreter& interp) {
  lib::registerMathCommands(interp);
  lib::registerStringCommands(interp);
  lib::registerRegexCommands(interp);
  lib::registerArrayCommands(interp);
}

}  // namespace mel
