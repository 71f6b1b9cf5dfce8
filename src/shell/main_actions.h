#pragma once
// What the main window's buttons, menus and status bar do.

namespace shell {

class FrmMain;

void connect_main_buttons(FrmMain &w);
void connect_main_menus(FrmMain &w);
void status_panel_clicked(int panel);

// Exit from the File menu: closes the port, then the window.
void exit_program();

// Called when the main window is asked to close; runs the exit steps and says whether
// the window may close now. While a board exchange is running, it is cancelled first
// and the window closes when it has ended.
bool main_window_may_close();

// The main window's size, place and tab in front, kept when the program ends and given back
// at the next start (settings section "Window").
void save_window_place(FrmMain &w);
void restore_window_place(FrmMain &w);  // size and place
void restore_window_tab(FrmMain &w);

// Forgets an earlier exit (a fresh run in the same process, for tests).
void reset_exit_state();

// Help from the help menu.
void show_help();

} // namespace shell
