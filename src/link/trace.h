#pragma once
// The exchange trace: one short line per exchange with the board (time, routine, bytes
// sent and received, outcome), for finding out why a board does not answer. It is off
// unless started; then the exchange code pays one test of tracing() and nothing else.
//
// A line: "<ms since start> <routine> sent <hex> got <hex> <outcome>", "-" for no bytes;
// the outcome is "ok", "time-out after N ms", "extra bytes" or "port fault: <reason>".

#include <QByteArray>
#include <QString>
#include <optional>

namespace comm {

namespace trace_detail {
inline bool on = false;
}

inline bool tracing() { return trace_detail::on; }

// Starts tracing into the file at `path` (appended to), ending a trace already running.
// Returns an empty text, or why the file cannot be opened (then nothing is traced).
QString start_trace(const QString &path);
void stop_trace();
QString trace_path();

// The parts of one exchange; call them only while tracing(). `command`, when given, is
// added to the routine's name ("verify" and '6' make "verify:6").
void trace_begin(const char *routine, char command = 0);
void trace_sent(const QByteArray &bytes);
void trace_received(const QByteArray &bytes);
// Ends the exchange: `arrived` tells whether the expected count came in time; `note`
// replaces the outcome when the bytes came but were not right.
void trace_end(int expected, bool arrived, const char *note = nullptr);
void trace_fault(const QString &reason);

// The exchange of one port of the port probe, which asks every port at once.
void trace_probe(const QString &device, const QByteArray &sent, const QByteArray &got, const QString &outcome);

// After the port has been opened: the low-latency request and a slow adapter timer.
void trace_port_opened();

// The latency timer of the USB serial adapter behind `device`, when it holds replies
// back noticeably (above 2 ms).
std::optional<int> slow_adapter_timer_ms(const QString &device);

} // namespace comm
