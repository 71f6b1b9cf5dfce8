#pragma once
// Loading the device image and the FUSE and FUSEX words from an Intel HEX file.

#include <QString>

namespace image {

// True when `path` names a file that can be opened for reading.
bool File_exists(const QString &path);

// Reads the file Open_file_name into the image. Words go to Mem_buffer; the FUSE and FUSEX
// words found in the file go to their labels and into the fuse panel. A file that did not
// carry both words brings the fuse tab forward with a warning to check the settings.
void Import_hex();

} // namespace image
