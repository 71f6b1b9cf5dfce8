// Erase: erase the chip and read its configuration words back.

#include "operations/operations.h"

#include "operations/tr.h"

#include "link/commands.h"
#include "operations/operation_frame.h"
#include "state/status_bar.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QPushButton>

namespace operations {

void Command_erase_click()
{
    if (state::busy())
        return;
    auto &w = state::frmMain();
    // A notice, not a question: the erase goes on after OK.
    platform::show_message({platform::Icon::exclamation, Tr::tr("ﾃﾞﾊﾞｲｽ消去"),
                            Tr::tr("ﾃﾞﾊﾞｲｽを消去します。"), platform::Buttons::ok},
                           &w);
    Operation_guard guard;
    const QDateTime start = platform::wall_time();
    state::Set_status_text(4, Tr::tr("時間測定中"));
    reset_for_operation();
    state::Last_address = 2047;
    Ensure_port_open();
    if (!send_pin_mode())
        return;
    if (stopped())
        return;
    if (!run_chain({comm::cor_version, comm::cor_entry_ISP, comm::cor_rease, comm::cor_exit_ISP, comm::cor_entry_ISP,
                    comm::cor_read_DEVICE_word, comm::cor_read_FUSEX, comm::cor_read_data, comm::cor_exit_ISP}))
        return;
    show_elapsed(start);
}

} // namespace operations
