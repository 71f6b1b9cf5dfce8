#include "platform/locked_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
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

// Takes the lock, looking every 50 ms whether to give up; empty, or why the lock was not taken.
QString take(QLockFile &lock, const QString &path, const Give_up &give_up)
{
    QElapsedTimer waited;
    waited.start();
    while (!lock.tryLock(50)) {
        if (lock.error() != QLockFile::LockFailedError || waited.elapsed() >= lock_wait_ms)
            return lock_failure(path, lock);
        if (give_up && give_up())
            return QCoreApplication::translate("platform", "stopped while %1 was locked by another program").arg(path);
    }
    return {};
}

} // namespace

QString change_locked(const QString &path,
                      const std::function<std::optional<QByteArray>(const QByteArray *old)> &change,
                      const Give_up &give_up)
{
    const std::lock_guard<std::mutex> turn(in_process);
    QLockFile lock(path + QStringLiteral(".lock"));
    if (const QString failure = take(lock, path, give_up); !failure.isEmpty())
        return failure;
    std::optional<QByteArray> old;
    QFile in(path);
    if (in.exists()) {
        if (!in.open(QIODevice::ReadOnly))
            return in.errorString();
        old = in.readAll();
        in.close();
    }
    const std::optional<QByteArray> contents = change(old ? &*old : nullptr);
    if (!contents)
        return {};
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(*contents) != contents->size() || !out.commit())
        return out.errorString();
    return {};
}

QString append_locked(const QString &path, const QByteArray &first, const QByteArray &bytes, const Give_up &give_up)
{
    const std::lock_guard<std::mutex> turn(in_process);
    QLockFile lock(path + QStringLiteral(".lock"));
    if (const QString failure = take(lock, path, give_up); !failure.isEmpty())
        return failure;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return file.errorString();
    const QByteArray all = file.size() == 0 ? first + bytes : bytes;
    if (file.write(all) != all.size() || !file.flush())
        return file.errorString();
    return {};
}

} // namespace platform
