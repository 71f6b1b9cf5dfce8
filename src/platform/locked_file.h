#pragma once
// Small files that several copies of the program share: every change is made under a lock
// file beside them ("FILE.lock"), so that no two programs change them at the same time.

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace platform {

// Asked now and then while a lock is awaited: true gives the wait up.
using Give_up = std::function<bool()>;

// Reads `path`, hands the contents to `change` (none when the file does not exist) and writes
// what it returns in place of the file, all under the lock; the file is replaced as a whole
// (written beside and renamed), so a crash leaves either the old or the new contents.
// `change` returns nothing to leave the file as it is. Returns an empty text, or why the
// file could not be locked, read or written.
QString change_locked(const QString &path,
                      const std::function<std::optional<QByteArray>(const QByteArray *old)> &change,
                      const Give_up &give_up = {});

// Appends `bytes` to `path` with one write under the lock, `first` before them when the
// file is new or empty. The file is never truncated. Returns an empty text or the reason.
QString append_locked(const QString &path, const QByteArray &first, const QByteArray &bytes, const Give_up &give_up = {});

} // namespace platform
