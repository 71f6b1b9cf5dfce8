#include "link/identification.h"

#include "platform/clock.h"
#include "platform/serial_port.h"

namespace comm {
namespace {
template <typename F> void ignoring_faults(F step)
{
    try {
        step();
    } catch (const platform::Port_fault &) {
    }
}
} // namespace

Identification identify_board(const std::function<bool()> &keep_waiting)
{
    auto &port = platform::port();
    Identification id;
    ignoring_faults([&] { port.configure_line(); });
    ignoring_faults([&] { port.flush_input(); });
    ignoring_faults([&] {
        if (!port.is_open())
            port.open();
    });
    ignoring_faults([&] { port.flush_input(); });
    ignoring_faults([&] { port.write(QByteArrayLiteral("=")); });

    id.started = platform::now_seconds();
    for (;;) {
        int waiting = 0;
        ignoring_faults([&] { waiting = port.bytes_waiting(); });
        if (waiting >= 15)
            break;
        platform::yield_events();
        if (keep_waiting && !keep_waiting()) {
            id.outcome = Identification::abandoned;
            return id;
        }
        if (platform::now_seconds() - id.started > 2.0) {
            id.outcome = Identification::no_answer;
            return id;
        }
        ignoring_faults([&] { port.wait_for_bytes(15, 15); });
    }
    ignoring_faults([&] { id.reply = port.read_all(); });
    id.outcome = QString::fromLatin1(id.reply).mid(3, 6) == QLatin1String("QORVIL") ? Identification::identified
                                                                                    : Identification::wrong_answer;
    return id;
}

} // namespace comm
