#include "link/identification.h"

#include "link/trace.h"
#include "platform/clock.h"

namespace comm {
namespace {
// Runs one step; a port fault is passed over, its reason kept for the trace.
template <typename F> void ignoring_faults(F step, QString *fault_reason = nullptr)
{
    try {
        step();
    } catch (const platform::Port_fault &fault) {
        if (fault_reason && fault_reason->isEmpty())
            *fault_reason = fault.reason;
    }
}
} // namespace

bool is_board_identification(const QByteArray &reply)
{
    return reply.size() >= identification_length && reply.mid(3, 6) == "QORVIL";
}

QString identification_line(const QByteArray &reply) { return QString::fromLatin1(reply).mid(3, 15); }

namespace {

// Sends "=" and waits up to `limit_s` seconds for the 15 bytes of the identification, yielding
// to the event loop meanwhile; `routine` names the exchange in the trace.
Identification ask(session::Session &s, const char *routine, double limit_s, const std::function<bool()> &keep_waiting)
{
    auto &port = s.port();
    Identification id;
    QString fault;  // the first fault on the way, for the trace
    if (Trace *t = tracing(s)) {
        t->begin(routine);
        t->sent(QByteArrayLiteral("="));
    }
    ignoring_faults([&] { port.flush_input(); }, &fault);
    ignoring_faults([&] { port.write(QByteArrayLiteral("=")); }, &fault);

    id.started = platform::now_seconds();
    for (;;) {
        int waiting = 0;
        ignoring_faults([&] { waiting = port.bytes_waiting(); }, &fault);
        if (waiting >= identification_length)
            break;
        platform::yield_events();
        if (keep_waiting && !keep_waiting()) {
            id.outcome = Identification::abandoned;
            if (Trace *t = tracing(s))
                t->end(port, identification_length, false, "abandoned");
            return id;
        }
        if (platform::now_seconds() - id.started > limit_s) {
            id.outcome = Identification::no_answer;
            if (Trace *t = tracing(s); t && fault.isEmpty())
                t->end(port, identification_length, false);
            else if (t)
                t->fault(port, fault);
            return id;
        }
        ignoring_faults([&] { port.wait_for_bytes(identification_length, 15); }, &fault);
    }
    ignoring_faults([&] { id.reply = port.read_all(); });
    id.outcome = is_board_identification(id.reply) ? Identification::identified : Identification::wrong_answer;
    if (Trace *t = tracing(s)) {
        t->received(id.reply);
        t->end(port, identification_length, true,
               id.outcome == Identification::identified ? nullptr : "wrong identification");
    }
    return id;
}

} // namespace

Identification identify_board(session::Session &s, const std::function<bool()> &keep_waiting)
{
    auto &port = s.port();
    ignoring_faults([&] { port.configure_line(); });
    ignoring_faults([&] { port.flush_input(); });
    ignoring_faults([&] {
        if (!port.is_open())
            port.open();
    });
    if (Trace *t = tracing(s); t && port.is_open())
        t->port_opened(port);
    const Identification id = ask(s, "identify", 2.0, keep_waiting);
    if (id.outcome != Identification::no_answer)
        return id;
    // A board whose host went away in the middle of a command still waits for a payload byte
    // or two and took the request for one. One more "=" completes that command (or, to a
    // board in step, is a request of its own); what it answers is drained, and the board is
    // asked again, not as long as the first time: a live board answers in about 10 ms.
    ask(s, "resync", 0.1, keep_waiting);
    return ask(s, "identify", 0.5, keep_waiting);
}

} // namespace comm
