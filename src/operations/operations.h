#pragma once
// The four device operations. Each runs on a session to its end and says how it ended; on the
// way the session's listener hears of status texts, progress and faults.

#include "operations/outcome.h"
#include "session/session.h"

namespace operations {

// Erases the chip, writes FUSEX, the program words and FUSE, verifies them, and protects the
// code when the FUSE word asks for it. The word texts and the panel are brought into step
// first (sync_words_and_panel).
Outcome Program(session::Session &s);

// Reads the chip into the image (and the dump file).
Outcome Read(session::Session &s);

// Verify from its button: every word up to Last_address.
Outcome Verify(session::Session &s);
// The verify pass: from the button (Verify_from_button) every word, else only up to the last
// word that is not blank.
Outcome Run_verify(session::Session &s);

// Erases the chip and reads its configuration words back. The notice that comes first is the
// front end's.
Outcome Erase(session::Session &s);

// The notice shown before Erase and the text Program refuses with.
QString erase_notice_title();
QString erase_notice_text();
QString oscillator_refusal_title();
QString oscillator_refusal_text();
QString verify_result_title();

} // namespace operations
