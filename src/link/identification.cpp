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

Identification identify_board(session::Session &s, const std::function<bool()> &keep_waiting)
{
    auto &port = s.port();
    Identification id;
    QString fault;  // the first fault on the way, for the trace
    ignoring_faults([&] { port.configure_line(); });
    ignoring_faults([&] { port.flush_input(); });
    ignoring_faults([&] {
        if (!port.is_open())
            port.open();
    });
    if (Trace *t = tracing(s)) {
        if (port.is_open())
            t->port_opened(port);
        t->begin("identify");
        t->sent(QByteArrayLiteral("="));
    }
    ignoring_faults([&] { port.flush_input(); }, &fault);
    ignoring_faults([&] { port.write(QByteArrayLiteral("=")); }, &fault);

    id.started = platform::now_seconds();
    for (;;) {
        int waiting = 0;
        ignoring_faults([&] { waiting = port.bytes_waiting(); }, &fault);
        if (waiting >= 15)
            break;
        platform::yield_events();
        if (keep_waiting && !keep_waiting()) {
            id.outcome = Identification::abandoned;
            if (Trace *t = tracing(s))
                t->end(port, 15, false, "abandoned");
            return id;
        }
        if (platform::now_seconds() - id.started > 2.0) {
            id.outcome = Identification::no_answer;
            if (Trace *t = tracing(s); t && fault.isEmpty())
                t->end(port, 15, false);
            else if (t)
                t->fault(port, fault);
            return id;
        }
        ignoring_faults([&] { port.wait_for_bytes(15, 15); }, &fault);
    }
    ignoring_faults([&] { id.reply = port.read_all(); });
    id.outcome = is_board_identification(id.reply) ? Identification::identified : Identification::wrong_answer;
    if (Trace *t = tracing(s)) {
        t->received(id.reply);
        t->end(port, 15, true, id.outcome == Identification::identified ? nullptr : "wrong identification");
    }
    return id;
}

} // namespace comm
