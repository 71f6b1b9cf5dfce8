#pragma once
// Start-up of the program: from the first window to the connection dialog and back.

#include <QString>

namespace shell {

// Runs the start-up procedure. Returns false when another instance is running (the
// program then ends silently).
bool run_startup(bool check_single_instance = true);

// Brings the main window to the front (a second start of the program asks for it).
void raise_main_window();

// The program's icon, drawn in code.
void install_app_icon();

} // namespace shell
