#pragma once
// The shape every exchange with the board has: flush, write the command and its payload,
// wait for a fixed number of reply bytes within a time limit, take what is waiting.

#include "platform/serial_port.h"
#include "session/session.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace comm {

// Flushes the receive buffer and writes the command character.
void send_command(session::Session &s, char command);

// Writes one payload byte through comxx_Put_buffer.
void send_payload_byte(session::Session &s, uint8_t value);

// Notes comxx_Start_time.
void start_reply_clock(session::Session &s);

// Waits until `count` bytes are waiting or `limit_s` seconds have passed since
// comxx_Start_time. Blocks on the port; a yielding wait lets the event loop run meanwhile.
// A session asked to stop ends the wait early. Throws platform::Port_fault.
enum class Wait { arrived, timed_out, stopped };
Wait wait_reply(session::Session &s, int count, double limit_s, bool yields);

// Reads every waiting byte into comxx_Get_buffer.
void read_reply(session::Session &s);

// The rule for one-byte acknowledges: exactly one byte waiting is read and shown in
// text_in_hi; more than one shows "No data" and leaves them for the next flush.
void apply_ack_rule(session::Session &s);

// Text forms of reply bytes.
QString char_form(uint8_t byte);
QString hex_form(uint8_t byte);
QString decimal_form(uint8_t byte);

// Sets the three reply fields.
void show_reply_fields(session::Session &s, const QString &hi, const QString &low, const QString &trm);

// Extra lines of a fault report.
struct Fault_detail {
    std::optional<int> buffer_count;  // "InBufferCount:  " line
    std::optional<int> step;          // "N:  " line
};

// The communication-error report: the listener shows it, comxx_error becomes 1.
void report_fault(session::Session &s, const platform::Port_fault &fault, const char *routine,
                  const Fault_detail &detail = {});

// The title and text of that report.
QString fault_report_title();
QString fault_report_text(session::Session &s, const platform::Port_fault &fault, const char *routine,
                          const Fault_detail &detail);

// Number of bytes waiting, or 0 when the port cannot tell.
int bytes_waiting_or_zero(session::Session &s);

} // namespace comm
