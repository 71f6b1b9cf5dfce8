#pragma once
// Batch mode: the device operations run from the command line, without a window.

#include "batch/command_line.h"

namespace batch {

enum Batch_exit { batch_ok = 0, batch_differences = 1, batch_link_failed = 2, batch_bad_input = 3 };

// Runs `qorvil --batch …`; returns the exit status.
int run_batch(const Command_line &command_line);

} // namespace batch
