#pragma once
// The File menu's open, save and save-as commands (also the open and save-as buttons).
// None of them does anything while a device operation is running.

namespace shell {

// Asks for a HEX file and loads it into the image.
void Open_command();

// Writes the image back to the file last opened; without one, works as Save-as.
void Save_command();

// Asks for a file name and writes the image there; the current document stays the file
// last opened.
void Save_as_command();

} // namespace shell
