#include "platform/locked_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <mutex>

namespace platform {
namespace {

const int lock_wait_ms = 20000;

// The lock file keeps other programs out; the boards of a gang share one process, so its
// threads take turns first.
std::mutex in_process;

QString lock_failure(const QString &path, const QLockFile &lock)
{
    return lock.error() == QLockFile::LockFailedError
               ? QCoreApplication::translate("platform", "%1 stays locked by another program").arg(path)
               : QCoreApplication::translate("platform", "cannot create the lock file %1.lock").arg(path);
}

} // namespace

QString change_locked(const QString &path, const std::function<std::optional<QByteArray>(const QByteArray &)> &change)
{
    const std::lock_guard<std::mutex> turn(in_process);
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(lock_wait_ms))
        return lock_failure(path, lock);
    QByteArray old;
    QFile in(path);
    if (in.exists()) {
        if (!in.open(QIODevice::ReadOnly))
            return in.errorString();
        old = in.readAll();
        in.close();
    }
    const std::optional<QByteArray> contents = change(old);
    if (!contents)
        return {};
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(*contents) != contents->size() || !out.commit())
        return out.errorString();
    return {};
}

QString append_locked(const QString &path, const QByteArray &first, const QByteArray &bytes)
{
    const std::lock_guard<std::mutex> turn(in_process);
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(lock_wait_ms))
        return lock_failure(path, lock);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return file.errorString();
    const QByteArray all = file.size() == 0 ? first + bytes : bytes;
    if (file.write(all) != all.size() || !file.flush())
        return file.errorString();
    return {};
}

} // namespace platform
