#pragma once
// The shell's own windows, and the end of every window.

namespace shell {

class FrmAbout;

FrmAbout &frmAbout();
void unload_frmAbout();

// Destroys every window (end of the program, or between tests).
void unload_all_windows();

} // namespace shell
