#pragma once
// Standard error as a terminal: whether it is one, and how wide it is.

namespace platform {

bool error_is_terminal();
// Columns of the terminal on standard error; 80 when it cannot tell.
int error_terminal_columns();

} // namespace platform
