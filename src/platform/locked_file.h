#pragma once
// Small files that several copies of the program share: every change is made under a lock
// file beside them ("FILE.lock"), so that no two programs change them at the same time.

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace platform {

// Reads `path` (empty when absent), hands the contents to `change` and writes what it
// returns in place of the file, all under the lock; the file is replaced as a whole
// (written beside and renamed), so a crash leaves either the old or the new contents.
// `change` returns nothing to leave the file as it is. Returns an empty text, or why the
// file could not be locked, read or written.
QString change_locked(const QString &path, const std::function<std::optional<QByteArray>(const QByteArray &)> &change);

// Appends `bytes` to `path` with one write under the lock, `first` before them when the
// file is new or empty. The file is never truncated. Returns an empty text or the reason.
QString append_locked(const QString &path, const QByteArray &first, const QByteArray &bytes);

} // namespace platform
