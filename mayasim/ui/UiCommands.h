// The MEL commands of the UI, in three groups; registerUiCommands (Ui.h)
// registers all of them.
#pragma once

#include "mel/Interpreter.h"
#include "ui/Ui.h"

namespace ui {

// window, columnLayout, rowLayout, frameLayout, text, textField, button,
// floatSlider, intSlider: create, -edit, -query and -exists.
void registerControlCommands(mel::Interpreter& interp, Ui& ui);

// showWindow, deleteUI, setParent.
void registerWindowCommands(mel::Interpreter& interp, Ui& ui);

// simPress, simSetValue, simEnter, simUI, simWindows.
void registerSimCommands(mel::Interpreter& interp, Ui& ui);

}  // namespace ui
