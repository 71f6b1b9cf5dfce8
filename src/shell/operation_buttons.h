#pragma once
// The main window's operation buttons: each runs its device operation on the windows' session
// and shows how it ended, as the program's own boxes.

#include "operations/outcome.h"

namespace shell {

class FrmMain;

void Command_program_click();
void Command_read_click();
void Command_verify_click();
void Command_erase_click();
void Command_cancel_click();

void connect_operation_buttons(FrmMain &w);

} // namespace shell
