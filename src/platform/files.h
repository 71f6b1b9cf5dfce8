#pragma once
// Files and folders the program uses.

#include <QString>
#include <QStringList>

namespace platform {

// The folder of the running program, with a trailing separator.
QString program_folder();

// Where the work file "sx_hex.txt" lives: the program folder when it is writable,
// otherwise the per-user data folder. QORVIL_WORK_DIR overrides both (tests, demo).
QString work_folder();

// The help document, installed beside the program or in the shared data folder.
QString help_file();

// The language of the help document help_file() looks for first ("ja", "en").
void set_help_language(const QString &language);

// The file:// address of a section of the help document ("support" gives …#support);
// empty when the document is not found.
QString help_address(const QString &section);

// Writes `lines`, each ended by CR LF, in the system's encoding, replacing the file.
// Returns an empty text on success, else the reason.
QString write_text_lines(const QString &path, const QStringList &lines);

bool can_read(const QString &path);

// Why a file cannot be written where `path` says (a folder, not a regular file, a folder that
// does not exist, no permission); empty when it can.
QString output_problem(const QString &path);
void remove_file(const QString &path);  // errors ignored

} // namespace platform
