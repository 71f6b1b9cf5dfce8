// Reads a chip image from Intel HEX text.
//
// 12-bit words are stored as little-endian byte pairs at byte address
// 2 x word address.  Word addresses 0-2047 are program memory; 0xFFF and
// 0x1010 are FUSE, 0x1011 is FUSEX; other addresses are ignored.  Only data
// records (type 00) and the end record (01) are used; other record types are
// skipped.  Every record's checksum is checked.
#pragma once

#include "chip.h"

#include <string>
#include <string_view>

namespace sim {

// Writes the words found in `text` into `chip`, leaving the other cells as
// they are.  On a malformed record returns false with a message naming the
// line, and leaves `chip` unchanged.
bool read_intel_hex(std::string_view text, Chip& chip, std::string& error);

// Same for a file; the message names the file.
bool load_hex_file(const std::string& path, Chip& chip, std::string& error);

}  // namespace sim
