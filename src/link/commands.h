#pragma once
// The board's command set: one routine per command. Each does the whole exchange on the
// session's port and leaves its outcome in comxx_error (0 = the reply came) and its data in
// the session.

#include "session/session.h"

#include <QString>

namespace comm {

void cor_rease(session::Session &s);               // "0" erase the chip
void cor_read_DEVICE_word(session::Session &s);    // "1"
void cor_read_FUSEX(session::Session &s);          // "2"
void cor_program_FUSEX_word(session::Session &s);  // "3" program the loaded word as FUSEX
void cor_load_data_word(session::Session &s);      // "4" + the word of text_out_hi / text_out_low
void cor_program_data(session::Session &s);        // "5" program the loaded word at the current address
void cor_read_data(session::Session &s);           // "6" read the word at the current address
void cor_increment_address(session::Session &s);   // "7"
void cor_entry_ISP(session::Session &s);           // "9"
void cor_exit_ISP(session::Session &s);            // ":"
void cor_mode_18pin(session::Session &s);          // ";"
void cor_mode_28pin(session::Session &s);          // "<"
void cor_version(session::Session &s);             // "="
void cor_reaset_wait(session::Session &s);         // ">" + the programming wait of Text_pgm_wait

using Routine = void (*)(session::Session &);

// True when the firmware wants a pause before each data byte of a load.
bool load_needs_pauses(const session::Session &s);

} // namespace comm
