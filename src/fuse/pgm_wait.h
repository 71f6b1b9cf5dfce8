#pragma once
// The programming wait: one count stands for 1.06 ms of programming time. It is kept per
// chip revision in the settings ("PGM_Wait_old", "PGM_Wait_A").

#include "session/session.h"

#include <QString>

namespace fuse {

// The value of the number at the start of `text` (blanks skipped, optional sign, digits,
// optional decimal part); 0 when the text does not start with a number.
double leading_number(const QString &text);

// "Programing time = <text>x1.06ms= <whole ms>ms" for the text of Text_pgm_wait.
QString pgm_wait_caption(const QString &text);

// Whether the text is a count worth remembering: decimal digits and nothing else.
bool pgm_wait_storable(const QString &text);

// Text_pgm_wait changed: an empty text becomes "0", and once the connection dialog has been
// closed a plain count is remembered for the revision chosen.
void Pgm_wait_changed(session::Session &s);
void set_pgm_wait(session::Session &s, const QString &text);

// The stored programming wait of a revision (0 old, else A), with its default.
QString stored_pgm_wait(int rev);

} // namespace fuse
