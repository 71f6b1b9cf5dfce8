#pragma once
// The language of the program's texts: Japanese (the texts as written) or English. Qt's own
// texts (file dialogs, standard buttons) and the help document follow it.

#include <QString>
#include <optional>

namespace platform {

// "ja" or "en": `given` (--lang) when there is one, else the one remembered (settings key
// "Language"), else Japanese, whatever the system's locale.
QString chosen_language(const std::optional<QString> &given);

// Installs the program's texts, Qt's texts and the help document of `language` in place of
// those installed before. Returns false for a language the program does not have.
bool install_language(const QString &language);

} // namespace platform
