#pragma once
// Start-up of the program: from the first window to the connection dialog and back.

#include <QString>

namespace shell {

// Runs the start-up procedure, then opens `file` when one is given. Returns false when another
// instance is running: it has been handed the file, and the program ends silently.
bool run_startup(bool check_single_instance = true, const QString &file = {});

// What the running instance does when another start asks: the main window comes to the front,
// and opens the file the other start was given.
void second_start(const QString &file);

// The program's icon, drawn in code.
void install_app_icon();

} // namespace shell
