#pragma once
// Loading the device image and the FUSE and FUSEX words from an Intel HEX file.

#include "session/session.h"

#include <QString>

namespace image {

// True when `path` names a file that can be opened for reading.
bool File_exists(const QString &path);

// No Intel HEX file of an image is anywhere near this size (the largest image is 5001 words).
inline constexpr qint64 max_hex_file_size = 4 * 1024 * 1024;

struct Import_result {
    enum End {
        read,           // the file is the image now
        cannot_open,    // nothing changed
        not_hex,        // a line is not a record: status panel 1 says so; nothing changed
        reading_error,  // a malformed record or a word beyond the image; nothing changed
        not_a_file,     // a folder, a device or a pipe: not read at all; nothing changed
        too_large,      // larger than any image can be (max_hex_file_size): not read; nothing changed
    } end = read;
    // The file did not carry both FUSE and FUSEX: the fuse tab is in front, and the user is
    // to check the settings (the "FUSE設定" warning).
    bool fuse_warning = false;
};

// Reads the file at `path` into the image. The whole file is read and checked first; a file
// that does not read cleanly changes nothing. A clean file replaces the image: it is
// cleared, the words go to Mem_buffer and the FUSE and FUSEX words found to their word texts
// and into the fuse panel. A file that did not carry both words brings the fuse tab forward.
Import_result Import_hex(session::Session &s, const QString &path);

// The reading-error message and the warning of a file without FUSE or FUSEX.
QString reading_error_text();
QString fuse_warning_title();
QString fuse_warning_text();

} // namespace image
