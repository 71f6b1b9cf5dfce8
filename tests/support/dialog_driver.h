#pragma once
// Drives start-up and the connection dialog the way a user does.

#include <functional>

namespace comm { class FrmCom; }

namespace test {

// Runs `action` as soon as the connection dialog is on screen (inside its modal loop).
void when_dialog_shown(std::function<void(comm::FrmCom &)> action);

// Runs the program's start-up; `during` plays the user while the connection dialog is up.
// If the dialog is still open afterwards, CANCEL is clicked.
void start_program(std::function<void(comm::FrmCom &)> during);

// Opens the connection dialog again from the main window's button.
void reopen_dialog(std::function<void(comm::FrmCom &)> during);

} // namespace test
