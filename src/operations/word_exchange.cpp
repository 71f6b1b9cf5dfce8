#include "operations/word_exchange.h"

#include "link/commands.h"
#include "link/failed_exchange.h"
#include "link/serial_link.h"
#include "link/trace.h"
#include "platform/clock.h"
#include "words/word_text.h"

namespace operations {
namespace {
// Sends what `send` writes and waits for the reply; the trace names the loop the exchange
// belongs to ("program:7", "verify:6").
template <typename Send>
void exchange_with(session::Session &s, char command, int reply_bytes, double limit_s, Send send)
{
    const char *loop = s.Verify_running ? "verify" : "program";
    if (comm::Trace *t = comm::tracing(s))
        t->begin(loop, command);
    try {
        send();
        comm::start_reply_clock(s);
        const comm::Wait wait = comm::wait_reply(s, reply_bytes, limit_s, false);
        if (wait != comm::Wait::arrived)
            s.Link.comxx_error = 1;
        if (wait == comm::Wait::timed_out)
            comm::note_failed_exchange(s, session::Failure::time_out, loop, command);
        if (comm::Trace *t = comm::tracing(s))
            t->end(s.port(), reply_bytes, wait == comm::Wait::arrived, wait == comm::Wait::stopped ? "stopped" : nullptr);
    } catch (const platform::Port_fault &fault) {
        s.Link.comxx_error = 1;
        comm::note_failed_exchange(s, session::Failure::port_fault, loop, command, fault.reason);
        if (comm::Trace *t = comm::tracing(s))
            t->fault(s.port(), fault.reason);
    }
}
} // namespace

void exchange(session::Session &s, char command, int reply_bytes, double limit_s)
{
    exchange_with(s, command, reply_bytes, limit_s, [&s, command] { comm::send_command(s, command); });
}

void load_word(session::Session &s, const QString &word, double limit_s)
{
    exchange_with(s, '4', 1, limit_s, [&s, &word] {
        const bool pauses = comm::load_needs_pauses(s);
        comm::send_command(s, '4');
        if (pauses)
            platform::sleep_ms(3);
        comm::send_payload_byte(s, words::Hex2_to_byte(word.left(2)));
        if (pauses)
            platform::sleep_ms(3);
        comm::send_payload_byte(s, words::Hex2_to_byte(word.right(2)));
    });
}

} // namespace operations
