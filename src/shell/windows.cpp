#include "shell/windows.h"

#include "link/frm_com.h"
#include "shell/frm_about.h"
#include "state/frm_main.h"
#include "state/windows.h"

#include <QPointer>

namespace shell {
namespace {
QPointer<FrmAbout> about_box;
} // namespace

FrmAbout &frmAbout()
{
    if (!about_box)
        about_box = new FrmAbout(static_cast<QWidget *>(&state::frmMain()));
    return *about_box;
}

void unload_frmAbout()
{
    if (!about_box)
        return;
    about_box->done(0);
    about_box->deleteLater();
}

void unload_all_windows()
{
    comm::unload_frmCom();
    delete about_box.data();
    state::unload_windows();
}

} // namespace shell
