#pragma once
// The program's name and version.

#include <QString>

namespace state {

inline constexpr int version_major = 1;
inline constexpr int version_minor = 6;
inline constexpr int version_revision = 40;

inline const QString app_title = QStringLiteral("Qorvil");
inline const QString app_description =
    QStringLiteral("SX18AC/SX28AC ISPライター用ホストプログラム");

// "Version 1.6.40"
QString version_text();

} // namespace state
