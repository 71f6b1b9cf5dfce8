#include "platform/file_watch.h"

#include <QFileInfo>

#include <sys/stat.h>

namespace platform {

File_watch::File_watch(const QString &path, int quiet_ms, std::function<void()> settled)
    : path_(QFileInfo(path).absoluteFilePath()), settled_(std::move(settled))
{
    reported_ = seen_ = version_now();
    watcher_.addPath(QFileInfo(path_).absolutePath());
    if (reported_.exists)
        watcher_.addPath(path_);
    quiet_.setSingleShot(true);
    quiet_.setInterval(quiet_ms);
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, [this] { look(); });
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, [this] { look(); });
    QObject::connect(&quiet_, &QTimer::timeout, [this] {
        const Version now = version_now();
        if (now != seen_) {  // changed again without a notice reaching us: wait once more
            seen_ = now;
            quiet_.start();
        } else if (now != reported_) {
            reported_ = now;
            settled_();
        }
    });
}

File_watch::Version File_watch::version_now() const
{
    struct stat s {};
    Version v;
    if (::stat(QFile::encodeName(path_).constData(), &s) != 0)
        return v;
    v.exists = true;
    v.inode = (long long)s.st_ino;
    v.size = (long long)s.st_size;
    v.modified_ns = (long long)s.st_mtim.tv_sec * 1000000000LL + s.st_mtim.tv_nsec;
    v.changed_ns = (long long)s.st_ctim.tv_sec * 1000000000LL + s.st_ctim.tv_nsec;
    return v;
}

// A notice, for the file or for anything in its folder, restarts the quiet time when the
// file looks different from the last time.
void File_watch::look()
{
    const Version now = version_now();
    if (now.exists && !watcher_.files().contains(path_))
        watcher_.addPath(path_);  // created again, or renamed into place
    if (now == seen_)
        return;
    seen_ = now;
    quiet_.start();
}

} // namespace platform
