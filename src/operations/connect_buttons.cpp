#include "operations/operation_frame.h"
#include "operations/operations.h"

#include "state/frm_main.h"

#include <QPushButton>

namespace operations {

void connect_operation_buttons(state::FrmMain &w)
{
    QObject::connect(w.Command_program, &QPushButton::clicked, &w, [] { Command_program_click(); });
    QObject::connect(w.Command_read, &QPushButton::clicked, &w, [] { Command_read_click(); });
    QObject::connect(w.Command_verify, &QPushButton::clicked, &w, [] { Command_verify_click(); });
    QObject::connect(w.Command_erase, &QPushButton::clicked, &w, [] { Command_erase_click(); });
    QObject::connect(w.Command_cancel, &QPushButton::clicked, &w, [] { Command_cancel_click(); });
}

} // namespace operations
