#include "operations/word_exchange.h"

#include "image/word_text.h"
#include "link/commands.h"
#include "link/failed_exchange.h"
#include "link/serial_link.h"
#include "link/trace.h"
#include "platform/clock.h"
#include "state/globals.h"

namespace operations {
namespace {
// Sends what `send` writes and waits for the reply; the trace names the loop the exchange
// belongs to ("program:7", "verify:6").
template <typename Send> void exchange_with(char command, int reply_bytes, double limit_s, Send send)
{
    const char *loop = state::Verify_running ? "verify" : "program";
    if (comm::tracing())
        comm::trace_begin(loop, command);
    try {
        send();
        comm::start_reply_clock();
        const bool arrived = comm::wait_reply(reply_bytes, limit_s, false);
        if (!arrived) {
            state::Link.comxx_error = 1;
            comm::note_failed_exchange(loop, command);
        }
        if (comm::tracing())
            comm::trace_end(reply_bytes, arrived);
    } catch (const platform::Port_fault &fault) {
        state::Link.comxx_error = 1;
        comm::note_failed_exchange(loop, command);
        if (comm::tracing())
            comm::trace_fault(fault.reason);
    }
}
} // namespace

void exchange(char command, int reply_bytes, double limit_s)
{
    exchange_with(command, reply_bytes, limit_s, [command] { comm::send_command(command); });
}

void load_word(const QString &word, double limit_s)
{
    exchange_with('4', 1, limit_s, [&word] {
        const bool pauses = comm::load_needs_pauses();
        comm::send_command('4');
        if (pauses)
            platform::sleep_ms(3);
        comm::send_payload_byte(image::Hex2_to_byte(word.left(2)));
        if (pauses)
            platform::sleep_ms(3);
        comm::send_payload_byte(image::Hex2_to_byte(word.right(2)));
    });
}

} // namespace operations
