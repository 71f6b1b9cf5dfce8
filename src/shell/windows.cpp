#include "shell/windows.h"

#include "connection_dialog/frm_com.h"
#include "fuse_panel/revision_layout.h"
#include "shell/frm_about.h"
#include "shell/frm_main.h"
#include "shell/frm_msg.h"
#include "shell/frm_what.h"

#include <QPointer>

#include <memory>

namespace shell {
namespace {
std::unique_ptr<session::Session> the_session;
QPointer<FrmMain> main_window;
QPointer<FrmWhat> what_box;
QPointer<FrmMsg> msg_box;
QPointer<comm::FrmCom> com_dialog;
QPointer<FrmAbout> about_box;

template <typename T, typename... Args> T &get(QPointer<T> &slot, Args &&...args)
{
    if (!slot)
        slot = new T(std::forward<Args>(args)...);
    return *slot;
}
} // namespace

session::Session &session()
{
    if (!the_session)
        the_session = std::make_unique<session::Session>();
    return *the_session;
}

FrmMain &frmMain() { return get(main_window, session()); }
FrmWhat &frmWhat() { return get(what_box, static_cast<QWidget *>(&frmMain())); }
FrmMsg &frmMsg() { return get(msg_box, static_cast<QWidget *>(&frmMain())); }
FrmAbout &frmAbout() { return get(about_box, static_cast<QWidget *>(&frmMain())); }

comm::FrmCom &frmCom()
{
    if (!com_dialog) {
        FrmMain &w = frmMain();
        com_dialog = new comm::FrmCom(session(), &w);
        QObject::connect(com_dialog, &comm::FrmCom::loading, com_dialog, [] {
            if (frmMsg_loaded())
                frmMsg().hide();
        });
        QObject::connect(com_dialog, &comm::FrmCom::revision_chosen, com_dialog,
                         [&w](int rev) { fuse::apply_revision_layout(w, rev); });
        QObject::connect(com_dialog, &comm::FrmCom::revision_help_wanted, com_dialog, [] { frmWhat().exec(); });
    }
    return *com_dialog;
}

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
    delete about_box.data();
    delete msg_box.data();
    delete what_box.data();
    delete main_window.data();
    the_session.reset();
}

} // namespace shell
