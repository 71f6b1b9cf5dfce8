#pragma once
// The program's command-line arguments as texts.
//
// File names are held as Unicode texts and handed to the system as UTF-8, so a name that is
// not valid UTF-8 (a folder or file named on a system with another encoding) cannot be
// reached under its own name. Such an argument is reached through the process's table of
// open files instead: its folder is opened once and the argument becomes
// "/proc/self/fd/N/NAME", which works for reading and writing alike. When the last part is
// not UTF-8 either, the file itself is opened for reading and the argument becomes
// "/proc/self/fd/N": it can be read, but nothing can be written under that name.

#include <QString>
#include <QStringList>

namespace platform {

QStringList arguments(int argc, char *argv[]);

// One argument as arguments() gives it.
QString argument_text(const char *raw);

// True for an argument whose file can be read but not written (see above), or not reached at
// all (it does not exist).
bool write_protected_argument(const QString &path);

} // namespace platform
