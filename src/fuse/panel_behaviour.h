#pragma once
// How the fuse panel and the command tab react to the user.

namespace fuse {

// Connects the handlers of the tab control, the A-revision trim field, the program-wait
// field, the load fields of the command tab and the menu items "オプション画面" and
// "PCバッファメモリクリア". Called once the main window exists; a second call does nothing.
// (The oscillator switches are wired when the fuse tabs are built.)
void connect_panel_handlers();

// What choosing tab `index` of the tab control does: on a fuse tab the panel follows the
// word labels, on the command tab the word labels follow the panel.
void Tab_switch(int index);

// The program-wait field changed: shows the programming time and stores the value.
void Pgm_wait_changed();

} // namespace fuse
