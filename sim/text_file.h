// Whole-file reads and atomic whole-file writes.
#pragma once

#include <string>

namespace sim {

// Reads the whole file.  On failure returns false with a message naming the
// file; errno_out (when given) receives the error number.
bool read_text_file(const std::string& path, std::string& text, std::string& error,
                    int* errno_out = nullptr);

// Replaces the file with `text` in one step: the text goes to a temporary
// file in the same directory, is flushed to disk and then renamed over
// `path`.  Readers see either the old or the new contents, never a mix.
bool write_file_atomically(const std::string& path, const std::string& text, std::string& error);

}  // namespace sim
