#pragma once
// The File menu's open, save and save-as commands (also the open and save-as buttons).
// None of them does anything while a device operation is running.

#include <QString>

class QMimeData;

namespace shell {

// Asks for a HEX file and loads it into the image.
void Open_command();

// Loads `path` into the image as Open does, all or nothing, without asking for it (a dropped
// file, a recent file, a file named when the program starts). While a device operation runs
// it is refused, and says so. Returns true when the file is the document now.
bool open_document(const QString &path);

// The file a drag carries when it is one local .hex or .sxh file; empty otherwise.
QString dropped_hex_file(const QMimeData *data);

// Writes the image back to the file last opened; without one, works as Save-as.
void Save_command();

// Asks for a file name and writes the image there; the current document stays the file
// last opened.
void Save_as_command();

} // namespace shell
