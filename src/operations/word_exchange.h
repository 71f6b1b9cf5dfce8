#pragma once
// The exchanges Program and Verify drive themselves in their word loops: a command
// character, perhaps two data bytes, and a wait for the first reply bytes that does not
// yield. A time-out or a port fault sets comxx_error to 1.

#include "session/session.h"

#include <QString>

namespace operations {

// Sends `command` and waits for `reply_bytes` within `limit_s` seconds.
void exchange(session::Session &s, char command, int reply_bytes, double limit_s);

// "4" with the two bytes of `word` ("0ABC" sends 0x0A, 0xBC), paced like the load command.
void load_word(session::Session &s, const QString &word, double limit_s);

} // namespace operations
