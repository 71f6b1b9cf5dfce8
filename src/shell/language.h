#pragma once
// The language of the program: Japanese (the texts as written) or English.

#include <QString>

namespace shell {

// Shows every text of the windows in `language` from now on: the program's own, Qt's dialogs
// and buttons, and the help document. Returns false for a language the program does not have.
bool apply_language(const QString &language);

} // namespace shell

class QMenu;

namespace shell {

class FrmMain;

// Makes the main window at least as large as it must be in every language and with either
// revision's fuse panel, so that switching one of them never widens it by itself.
void make_room_for_every_language(FrmMain &w);

} // namespace shell

namespace shell {

// The Option menu's "Language / 言語" entry: 日本語 and English, applied at once and
// remembered.
void add_language_menu(QMenu *options);

} // namespace shell
