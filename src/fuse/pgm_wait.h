#pragma once
// The program-wait count: one count stands for 1.06 ms of programming time.

#include <QString>

namespace fuse {

// The value of the number at the start of `text` (blanks skipped, optional sign, digits,
// optional decimal part); 0 when the text does not start with a number.
double leading_number(const QString &text);

// "Programing time = <text>x1.06ms= <whole ms>ms" for the text of Text_pgm_wait.
QString pgm_wait_caption(const QString &text);

// Whether the text is a count worth remembering: decimal digits and nothing else.
bool pgm_wait_storable(const QString &text);

} // namespace fuse
