#include "state/version.h"

namespace state {

QString version_text()
{
    return QStringLiteral("Version %1.%2.%3").arg(version_major).arg(version_minor).arg(version_revision);
}

} // namespace state
