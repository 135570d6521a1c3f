#include "ui/UiCommands.h"

namespace ui {

void registerUiCommands(mel::Interpreter& interp, Ui& ui) {
  registerControlCommands(interp, ui);
  registerWindowCommands(interp, ui);
  registerSimCommands(interp, ui);
}

}  // namespace ui
