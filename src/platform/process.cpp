#include "platform/process.h"

#include <QDesktopServices>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <QUrl>

#include <memory>

namespace platform {

bool claim_single_instance()
{
    static std::unique_ptr<QLockFile> lock;
    if (lock)
        return true;
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    auto candidate = std::make_unique<QLockFile>(dir + QStringLiteral("/qorvil.lock"));
    candidate->setStaleLockTime(0);
    if (!candidate->tryLock(0))
        return false;
    lock = std::move(candidate);
    return true;
}

void open_web_address(const QString &address) { QDesktopServices::openUrl(QUrl(address)); }

} // namespace platform
