#pragma once
// The program's name and version.

#include <QCoreApplication>
#include <QString>

namespace state {

inline constexpr int version_major = 1;
inline constexpr int version_minor = 6;
inline constexpr int version_revision = 40;

inline const QString app_title = QStringLiteral("Qorvil");
// The description of the About box, translated where it is shown.
inline const char *const app_description = QT_TRANSLATE_NOOP("shell", "SX18AC/SX28AC ISPライター用ホストプログラム");

// "Version 1.6.40"
QString version_text();

} // namespace state
