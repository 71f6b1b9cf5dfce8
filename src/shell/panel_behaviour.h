#pragma once
// How the fuse tabs and the command tab react to the user: the tab control, the A-revision
// trim field, the programming wait and the load fields, and the menu items
// "オプション画面" and "PCバッファメモリクリア".

namespace shell {

class FrmMain;

// Connects the handlers; called once, when the main window is built. (The oscillator
// switches are wired when the fuse tabs are built.)
void connect_panel_handlers(FrmMain &w);

// What the window does when tab `index` comes to the front, besides the words and the panel.
void tab_shown(FrmMain &w, int index);

} // namespace shell
