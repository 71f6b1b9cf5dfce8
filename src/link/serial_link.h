#pragma once
// The shape every exchange with the board has: flush, write the command and its payload,
// wait for a fixed number of reply bytes within a time limit, take what is waiting.

#include "platform/serial_port.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace comm {

// Flushes the receive buffer and writes the command character.
void send_command(char command);

// Writes one payload byte through comxx_Put_buffer.
void send_payload_byte(uint8_t value);

// Notes comxx_Start_time.
void start_reply_clock();

// Waits until `count` bytes are waiting or `limit_s` seconds have passed since
// comxx_Start_time. Blocks on the port; a yielding wait lets window events run meanwhile.
// Returns false on a time-out. Throws platform::Port_fault.
bool wait_reply(int count, double limit_s, bool yields);

// Reads every waiting byte into comxx_Get_buffer.
void read_reply();

// The rule for one-byte acknowledges: exactly one byte waiting is read and shown in
// text_in_hi; more than one shows "No data" and leaves them for the next flush.
void apply_ack_rule();

// Text forms of reply bytes.
QString char_form(uint8_t byte);
QString hex_form(uint8_t byte);
QString decimal_form(uint8_t byte);

// Writes the three reply display fields of the command tab.
void show_reply_fields(const QString &hi, const QString &low, const QString &trm);

// Extra lines of a fault report.
struct Fault_detail {
    std::optional<int> buffer_count;  // "InBufferCount:  " line
    std::optional<int> step;          // "N:  " line
};

// The communication-error report: hides the state::busy window, shows the box naming the
// routine, sets comxx_error to 1.
void report_fault(const platform::Port_fault &fault, const char *routine, const Fault_detail &detail = {});

// The text of that box (for the log and for tests).
QString fault_report_text(const platform::Port_fault &fault, const char *routine, const Fault_detail &detail);

// Number of bytes waiting, or 0 when the port cannot tell.
int bytes_waiting_or_zero();

} // namespace comm
