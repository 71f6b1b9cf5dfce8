#pragma once
// The program's name, version and the addresses it shows.

#include <QString>

namespace state {

inline constexpr int version_major = 1;
inline constexpr int version_minor = 6;
inline constexpr int version_revision = 40;

inline const QString app_title = QStringLiteral("Qorvil");
inline const QString app_description =
    QStringLiteral("SX18AC/SX28AC ISPライター用ホストプログラム");
inline const QString support_address = QStringLiteral("https://qorvil.invalid/support/");
inline const QString chip_maker_address = QStringLiteral("https://chipmaker.invalid/");

// "Version 1.6.40"
QString version_text();

} // namespace state
