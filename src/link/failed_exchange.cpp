#include "link/failed_exchange.h"

namespace comm {

void note_failed_exchange(session::Session &s, session::Failure::Kind kind, const char *routine, char command,
                          const QString &reason)
{
    if (s.failure.kind != session::Failure::none)
        return;
    s.failure.kind = kind;
    s.failure.routine = QLatin1String(routine);
    if (command)
        s.failure.routine += QStringLiteral(":") + QLatin1Char(command);
    s.failure.reason = reason;
}

} // namespace comm
