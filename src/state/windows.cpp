#include "state/windows.h"

#include "state/frm_main.h"
#include "state/frm_msg.h"
#include "state/frm_what.h"

#include <QPointer>

namespace state {
namespace {
QPointer<FrmMain> main_window;
QPointer<FrmWhat> what_box;
QPointer<FrmMsg> msg_box;

template <typename T, typename... Args> T &get(QPointer<T> &slot, Args... args)
{
    if (!slot)
        slot = new T(args...);
    return *slot;
}
} // namespace

FrmMain &frmMain() { return get(main_window); }
FrmWhat &frmWhat() { return get(what_box, static_cast<QWidget *>(&frmMain())); }
FrmMsg &frmMsg() { return get(msg_box, static_cast<QWidget *>(&frmMain())); }

bool frmMsg_loaded() { return !msg_box.isNull(); }
void unload_frmMsg() { delete msg_box.data(); }

void unload_windows()
{
    delete msg_box.data();
    delete what_box.data();
    delete main_window.data();
}

} // namespace state
