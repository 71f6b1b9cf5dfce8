#include "initial_chip.h"

#include "hex_reader.h"
#include "state_file.h"

namespace sim {

std::optional<Chip> initial_chip(const Board_options& options, std::string& error)
{
    Chip chip = fresh_chip(options.revision);
    if (!options.state_path.empty()) {
        Chip stored;
        switch (load_state_file(options.state_path, stored, error)) {
        case State_load::loaded:
            chip = stored;
            break;
        case State_load::missing:
            error.clear();
            break;
        case State_load::failed:
            return std::nullopt;
        }
    }
    if (!options.load_hex_path.empty()) {
        chip = fresh_chip(options.revision);
        if (!load_hex_file(options.load_hex_path, chip, error))
            return std::nullopt;
    }
    if (options.code_protected)
        chip.protect();
    return chip;
}

}  // namespace sim
