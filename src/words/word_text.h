#pragma once
// Word texts: a 12-bit chip word as four hexadecimal characters ("0FFF"), and the
// conversions between word texts, binary texts ("111111111111"), bytes, numbers and display
// characters. None of them fails.

#include <QString>
#include <cstdint>

namespace words {

QString Hex_to_bin_text(const QString &t);
QString Num_to_hex4(double x);
QString Word_to_hex4(uint8_t hi, uint8_t lo);
uint8_t Hex2_to_byte(const QString &t);
QString Word_to_ascii(const QString &t);

// The character shown for bytes below 32 or above 127 (half-width middle dot).
inline const QChar substitute_char = QChar(0xFF65);

} // namespace words
