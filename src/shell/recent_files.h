#pragma once
// The File menu's list of the HEX files opened last: up to eight, newest first, kept in the
// settings (section "Recent", File1 to File8).

#include <QString>
#include <QStringList>

namespace shell {

class FrmMain;

QStringList recent_files();

// `path` goes to the top of the list.
void remember_recent_file(const QString &path);

// The entries stand between Save As and Exit, made afresh each time the menu opens. Choosing
// one opens its file as Open does; one whose file has gone leaves the list, and says so.
void add_recent_files_menu(FrmMain &w);

} // namespace shell
