#pragma once
// Per-user settings store: organisation and application "Qorvil", every value as text.
// On Linux the file lives in $XDG_CONFIG_HOME/Qorvil/Qorvil.conf (~/.config by default).

#include <QString>

namespace platform {

inline const QString settings_section = QStringLiteral("Settings");

QString read_setting(const QString &section, const QString &key, const QString &fallback);
void save_setting(const QString &section, const QString &key, const QString &value);

// The values of section "Settings", the common case.
QString get_setting(const QString &key, const QString &fallback);
void put_setting(const QString &key, const QString &value);

// Batch runs and tests may keep the store from being written.
void set_settings_read_only(bool read_only);

} // namespace platform
