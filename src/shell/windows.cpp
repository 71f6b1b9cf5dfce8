#include "shell/windows.h"

#include "link/frm_com.h"
#include "shell/frm_about.h"
#include "shell/frm_main.h"
#include "shell/frm_msg.h"
#include "shell/frm_what.h"

#include <QPointer>

namespace shell {
namespace {
QPointer<FrmMain> main_window;
QPointer<FrmAbout> about_box;
QPointer<FrmWhat> what_box;
QPointer<FrmMsg> msg_box;
QPointer<comm::FrmCom> com_dialog;

template <typename T, typename... Args> T &get(QPointer<T> &slot, Args... args)
{
    if (!slot)
        slot = new T(args...);
    return *slot;
}
} // namespace

FrmMain &frmMain() { return get(main_window); }
FrmAbout &frmAbout() { return get(about_box, static_cast<QWidget *>(&frmMain())); }
FrmWhat &frmWhat() { return get(what_box, static_cast<QWidget *>(&frmMain())); }
FrmMsg &frmMsg() { return get(msg_box, static_cast<QWidget *>(&frmMain())); }
comm::FrmCom &frmCom() { return get(com_dialog, static_cast<QWidget *>(&frmMain())); }

bool frmMsg_loaded() { return !msg_box.isNull(); }

void unload_frmMsg() { delete msg_box.data(); }
void unload_frmAbout()
{
    if (!about_box)
        return;
    about_box->done(0);
    about_box->deleteLater();
}

void unload_all_windows()
{
    delete com_dialog.data();
    delete msg_box.data();
    delete about_box.data();
    delete what_box.data();
    delete main_window.data();
}

} // namespace shell
