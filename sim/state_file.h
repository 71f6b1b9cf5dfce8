// The --state file: the chip contents kept across runs of the board.
//
// Text format, one item per line:
//   qorvil-board-sim chip state 1
//   FUSE 0FFF
//   FUSEX 0FFF
//   000: 0FFF 0FFF ... (16 words per line, address of the first word in hex)
#pragma once

#include "chip.h"

#include <string>
#include <string_view>

namespace sim {

std::string format_state(const Chip& chip);

// Reads a state text into `chip`; words the text does not name stay blank.
// Returns false with a message naming the line on malformed text.
bool parse_state(std::string_view text, Chip& chip, std::string& error);

enum class State_load { loaded, missing, failed };

// `missing` when the file does not exist (the chip is left as it is).
State_load load_state_file(const std::string& path, Chip& chip, std::string& error);

// Writes the file atomically (temporary file, then rename).
bool save_state_file(const std::string& path, const Chip& chip, std::string& error);

}  // namespace sim
