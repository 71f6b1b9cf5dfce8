#include "operations/word_exchange.h"

#include "image/word_text.h"
#include "link/commands.h"
#include "link/serial_link.h"
#include "platform/clock.h"
#include "state/globals.h"

namespace operations {
namespace {
void wait_for(int reply_bytes, double limit_s)
{
    comm::start_reply_clock();
    if (!comm::wait_reply(reply_bytes, limit_s, false))
        state::Link.comxx_error = 1;
}
} // namespace

void exchange(char command, int reply_bytes, double limit_s)
{
    try {
        comm::send_command(command);
        wait_for(reply_bytes, limit_s);
    } catch (const platform::Port_fault &) {
        state::Link.comxx_error = 1;
    }
}

void load_word(const QString &word, double limit_s)
{
    try {
        const bool pauses = comm::load_needs_pauses();
        comm::send_command('4');
        if (pauses)
            platform::sleep_ms(3);
        comm::send_payload_byte(image::Hex2_to_byte(word.left(2)));
        if (pauses)
            platform::sleep_ms(3);
        comm::send_payload_byte(image::Hex2_to_byte(word.right(2)));
        wait_for(1, limit_s);
    } catch (const platform::Port_fault &) {
        state::Link.comxx_error = 1;
    }
}

} // namespace operations
