#pragma once
// Qt's own texts (file dialogs, standard buttons) in the program's language.

#include <QString>

namespace platform {

// Installs Qt's translation "qtbase_<language>" from Qt's translations folder, replacing
// one installed before. Returns whether it was found and loaded; when not, Qt's texts are
// its own English ones.
bool load_qt_translation(const QString &language);

} // namespace platform
