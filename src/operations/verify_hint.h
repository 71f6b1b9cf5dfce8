#pragma once
// What the differences of a verify pass probably mean: one line for the user when the pattern
// is clear, nothing otherwise.

#include "session/session.h"

#include <QString>

namespace operations {

// From the words the pass compared (Mem_buffer and Read_buffer up to Last_used_address), the
// FUSE and FUSEX words read and the differences found (Verify_report flags).
QString verify_hint(const session::Session &s, int flags);

} // namespace operations
