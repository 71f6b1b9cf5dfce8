#pragma once
// How the fuse panel and the command tab react to the user.

namespace fuse {

// Connects the handlers of the fuse tabs, the tab control and the program-wait field.
void connect_panel_handlers();

// What choosing tab `index` of the tab control does.
void Tab_switch(int index);

// The program-wait field changed: shows the programming time and stores the value.
void Pgm_wait_changed();

} // namespace fuse
