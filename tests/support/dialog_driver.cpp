#include "dialog_driver.h"

#include "link/frm_com.h"
#include "state/frm_main.h"
#include "shell/startup.h"
#include "state/windows.h"

#include <QPushButton>
#include <QTimer>

namespace test {

void when_dialog_shown(std::function<void(comm::FrmCom &)> action)
{
    QTimer::singleShot(1, [action] {
        comm::FrmCom &dialog = comm::frmCom();
        if (!dialog.isVisible()) {
            when_dialog_shown(action);
            return;
        }
        action(dialog);
        if (dialog.isVisible())
            dialog.Command_cancel->click();
    });
}

void start_program(std::function<void(comm::FrmCom &)> during)
{
    when_dialog_shown(std::move(during));
    shell::run_startup(false);
}

void reopen_dialog(std::function<void(comm::FrmCom &)> during)
{
    when_dialog_shown(std::move(during));
    state::frmMain().Command_Com->click();
}

} // namespace test
