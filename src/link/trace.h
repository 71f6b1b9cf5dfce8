#pragma once
// The exchange trace: one short line per exchange with the board (time, routine, bytes
// sent and received, outcome), for finding out why a board does not answer. A session
// traces while it holds a Trace; the exchange code then pays one test and nothing else.
//
// A line: "<ms since start> <routine> sent <hex> got <hex> <outcome>", "-" for no bytes;
// the outcome is "ok", "time-out after N ms", "extra bytes" or "port fault: <reason>".

#include "platform/append_file.h"
#include "session/session.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

namespace comm {

class Trace {
public:
    ~Trace();  // writes "trace stopped"

    // Starts a trace into the file at `path` (appended to). Gives the reason when the file
    // cannot be opened.
    static std::shared_ptr<Trace> open(const QString &path, QString &failure);

    bool on() const { return on_; }

    // The parts of one exchange. `command`, when given, is added to the routine's name
    // ("verify" and '6' make "verify:6").
    void begin(const char *routine, char command = 0);
    void sent(const QByteArray &bytes);
    void received(const QByteArray &bytes);
    // Ends the exchange: `arrived` tells whether the expected count came in time; `note`
    // replaces the outcome when the bytes came but were not right. Whatever still waits on
    // `port` is shown as received too.
    void end(platform::Serial_port &port, int expected, bool arrived, const char *note = nullptr);
    void fault(platform::Serial_port &port, const QString &reason);

    // The exchange of one port of the port probe, which asks every port at once.
    void probe(const QString &device, const QByteArray &sent, const QByteArray &got, const QString &outcome);

    // After the port has been opened: the low-latency request and a slow adapter timer.
    void port_opened(platform::Serial_port &port);

private:
    Trace() = default;
    void write_line(const QByteArray &text);
    void finish(const QByteArray &outcome);

    platform::Append_file file_;
    bool on_ = false;  // a full disk ends the trace, not the work
    double started_ = 0;
    bool open_ = false;  // an exchange has begun
    QByteArray routine_, sent_, got_;
    double sent_at_ = 0;  // the last write, for the time-out's length
};

// The session's trace when it is tracing, else none.
inline Trace *tracing(const session::Session &s) { return s.trace && s.trace->on() ? s.trace.get() : nullptr; }

// Starts tracing the session into `path`, ending a trace already running. Returns an empty
// text, or why the file cannot be opened (then nothing is traced).
QString start_trace(session::Session &s, const QString &path);
void stop_trace(session::Session &s);

// The latency timer of the USB serial adapter behind `device`, when it holds replies
// back noticeably (above 2 ms).
std::optional<int> slow_adapter_timer_ms(const QString &device);

} // namespace comm
