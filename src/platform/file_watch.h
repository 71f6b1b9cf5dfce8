#pragma once
// Watching one file for a new version: written in place, replaced by a rename, deleted and
// created again. The folder is watched too, since a file replaced by a rename is no longer
// the file that was being watched.

#include <QFileSystemWatcher>
#include <QString>
#include <QTimer>
#include <functional>

namespace platform {

class File_watch {
public:
    // Calls `settled` on the event loop each time the file differs from the version last
    // reported (at first: the version present now) and has then stayed unchanged for
    // `quiet_ms`, so that a file written in several steps is reported once, complete.
    File_watch(const QString &path, int quiet_ms, std::function<void()> settled);

private:
    struct Version {
        bool exists = false;
        long long inode = 0, size = 0, modified_ns = 0, changed_ns = 0;
        bool operator==(const Version &o) const
        {
            return exists == o.exists && inode == o.inode && size == o.size && modified_ns == o.modified_ns
                   && changed_ns == o.changed_ns;
        }
        bool operator!=(const Version &o) const { return !(*this == o); }
    };
    Version version_now() const;
    void look();

    QString path_;
    std::function<void()> settled_;
    QFileSystemWatcher watcher_;
    QTimer quiet_;
    Version reported_, seen_;
};

} // namespace platform
