#include "platform/latency_timer.h"

#include <QFile>
#include <QFileInfo>

namespace platform {

std::optional<int> latency_timer_ms(const QString &device, const QString &sysfs_root)
{
    QString root = sysfs_root;
    if (root.isEmpty())
        root = qEnvironmentVariable("QORVIL_SYSFS_ROOT", QStringLiteral("/sys"));
    const QString real = QFileInfo(device).canonicalFilePath();
    const QString name = QFileInfo(real.isEmpty() ? device : real).fileName();
    if (name.isEmpty())
        return std::nullopt;
    QFile f(root + QStringLiteral("/class/tty/") + name + QStringLiteral("/device/latency_timer"));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    bool ok = false;
    const int ms = f.readAll().trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return ms;
}

} // namespace platform
