// Erase: erase the chip and read its configuration words back.

#include "operations/operations.h"

#include "operations/operation_frame.h"
#include "operations/tr.h"
#include "platform/clock.h"

namespace operations {

QString erase_notice_title() { return Tr::tr("ﾃﾞﾊﾞｲｽ消去"); }
QString erase_notice_text() { return Tr::tr("ﾃﾞﾊﾞｲｽを消去します。"); }

Outcome Erase(session::Session &s)
{
    Outcome o;
    const session::Busy_scope busy(s);
    const QDateTime start = platform::wall_time();
    s.Set_status_text(session::Panel::time, [] { return Tr::tr("時間測定中"); });
    reset_for_operation(s);
    s.Last_address = 2047;
    Ensure_port_open(s);
    if (!send_pin_mode(s, o) || stopped(s, o))
        return o;
    if (!run_chain(s, o, {comm::cor_version, comm::cor_entry_ISP, comm::cor_rease, comm::cor_exit_ISP,
                          comm::cor_entry_ISP, comm::cor_read_DEVICE_word, comm::cor_read_FUSEX, comm::cor_read_data,
                          comm::cor_exit_ISP}))
        return o;
    show_elapsed(s, start);
    return o;
}

} // namespace operations
