// What the chip holds when the board starts.
#pragma once

#include "board_options.h"
#include "chip.h"

#include <optional>
#include <string>

namespace sim {

// The fresh chip of options.revision; replaced by the contents of
// options.state_path when that file exists; replaced by the fresh chip filled
// from options.load_hex_path when that is given.  Returns nothing, with a
// message, when a file is present but cannot be read or is malformed.
std::optional<Chip> initial_chip(const Board_options& options, std::string& error);

}  // namespace sim
