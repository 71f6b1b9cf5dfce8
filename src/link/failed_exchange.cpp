#include "link/failed_exchange.h"

namespace comm {
namespace {
QString first_failed;
}

void note_failed_exchange(const char *routine, char command)
{
    if (!first_failed.isEmpty())
        return;
    first_failed = QLatin1String(routine);
    if (command)
        first_failed += QStringLiteral(":") + QLatin1Char(command);
}

QString failed_exchange() { return first_failed; }

void clear_failed_exchange() { first_failed.clear(); }

} // namespace comm
