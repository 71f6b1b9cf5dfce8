#pragma once
// The four device operations of the main window.

namespace state { class FrmMain; }

namespace operations {

void Command_program_click();
void Command_read_click();
void Command_verify_click();
void Command_erase_click();

// Reads the chip back and compares it with the image and the configuration words.
void Run_verify();

// Connects the operation buttons and Cancel of the main window.
void connect_operation_buttons(state::FrmMain &w);

} // namespace operations
