#pragma once
// Which exchange made an operation stop: the first exchange that timed out or met a port
// fault since the note was last cleared, named as the trace names it ("cor_entry_ISP",
// "program:7"). Batch mode reports it per board.

#include "session/session.h"

namespace comm {

void note_failed_exchange(session::Session &s, session::Failure::Kind kind, const char *routine, char command = 0,
                          const QString &reason = {});

} // namespace comm
