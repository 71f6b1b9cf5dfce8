#pragma once
// Which exchange made an operation stop: the first exchange that timed out or met a port
// fault since the note was last cleared, named as the trace names it ("cor_entry_ISP",
// "program:7"). Batch mode reports it per board.

#include <QString>

namespace comm {

void note_failed_exchange(const char *routine, char command = 0);
QString failed_exchange();  // empty when none failed
void clear_failed_exchange();

} // namespace comm
