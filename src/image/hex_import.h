#pragma once
// Loading the device image and the FUSE and FUSEX words from an Intel HEX file.

#include <QString>
#include <functional>

namespace image {

// True when `path` names a file that can be opened for reading.
bool File_exists(const QString &path);

// Reads the file Open_file_name into the image. The whole file is read and checked first;
// a file that does not read cleanly is reported (panel 1, or the reading-error box) and
// changes nothing. A clean file replaces the image: it is cleared, `once_read` runs, the
// words go to Mem_buffer and the FUSE and FUSEX words found to their labels and into the
// fuse panel. A file that did not carry both words brings the fuse tab forward with a
// warning to check the settings. Returns whether the file was read.
bool Import_hex(const std::function<void()> &once_read = {});

} // namespace image
