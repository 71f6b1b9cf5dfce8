#pragma once
// The board's command set: one routine per command. Each does the whole exchange and
// leaves its outcome in comxx_error (0 = the reply came) and its data in globals and in
// the main window's fields.

#include <QString>

namespace comm {

void cor_rease();               // "0" erase the chip
void cor_read_DEVICE_word();    // "1"
void cor_read_FUSEX();          // "2"
void cor_program_FUSEX_word();  // "3" program the loaded word as FUSEX
void cor_load_data_word();      // "4" + the word of text_out_hi / text_out_low
void cor_program_data();        // "5" program the loaded word at the current address
void cor_read_data();           // "6" read the word at the current address
void cor_increment_address();   // "7"
void cor_entry_ISP();           // "9"
void cor_exit_ISP();            // ":"
void cor_mode_18pin();          // ";"
void cor_mode_28pin();          // "<"
void cor_version();             // "="
void cor_reaset_wait();         // ">" + the program-wait count of Text_pgm_wait

// True when the firmware wants a pause before each data byte of a load.
bool load_needs_pauses();

// "0x" and the last three upper-case hex digits of Address_pc.
QString address_caption();

} // namespace comm
