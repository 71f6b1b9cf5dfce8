#include "shell/session_view.h"

#include "connection_dialog/frm_com.h"
#include "desktop/message_box.h"
#include "fuse/pgm_wait.h"
#include "fuse_panel/panel_binding.h"
#include "image/device_image.h"
#include "link/serial_link.h"
#include "shell/frm_main.h"
#include "shell/frm_msg.h"
#include "shell/tr.h"
#include "shell/windows.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStringDecoder>
#include <QTabWidget>

#include <cmath>

namespace shell {
namespace {

void show_text(QLabel *label, const QString &text) { label->setText(text); }

void show_text(QLineEdit *field, const QString &text)
{
    if (field->text() != text)
        field->setText(text);
}
} // namespace

Session_view::Session_view(FrmMain &w) : w_(w) { w.s.set_listener(this); }

Session_view::~Session_view() { w_.s.set_listener(nullptr); }

void Session_view::status_changed(session::Panel panel, const QString &text) { w_.panel(panel)->setText(text); }

void Session_view::view_changed(unsigned views)
{
    const session::Session &s = w_.s;
    if (views & session::words) {
        show_text(w_.Label_fuse_word, s.Label_fuse_word);
        show_text(w_.Label_fuse_word_bin, s.Label_fuse_word_bin);
        show_text(w_.Label_fusex_word, s.Label_fusex_word);
        show_text(w_.Label_fusex_word_bin, s.Label_fusex_word_bin);
        show_text(w_.Label_device_word, s.Label_device_word);
        show_text(w_.Label_device_word_bin, s.Label_device_word_bin);
    }
    if (views & session::lists)
        w_.panel_binding->fill_lists();
    else if (views & session::panel)
        w_.panel_binding->show_values();
    if (views & session::address)
        show_text(w_.address_pc, s.address_pc);
    if (views & session::reply) {
        show_text(w_.text_in_hi, s.text_in_hi);
        show_text(w_.text_in_low, s.text_in_low);
        show_text(w_.text_in_trm, s.text_in_trm);
    }
    if (views & session::read_data) {
        show_text(w_.Label_read_data, s.Label_read_data);
        show_text(w_.Label_read_data_bin, s.Label_read_data_bin);
    }
    if (views & session::version)
        show_text(w_.Label_version, s.Label_version);
    if (views & session::sync) {
        show_text(w_.Label_sync_value, s.Label_sync_value);
        show_text(w_.Sync_Label, s.Sync_Label);
    }
    if (views & session::load) {
        show_text(w_.text_out_hi, s.text_out_hi);
        show_text(w_.text_out_low, s.text_out_low);
    }
    if (views & session::pgm_wait) {
        show_text(w_.Text_pgm_wait, s.Text_pgm_wait);
        w_.Label_pgm_wait->setText(fuse::pgm_wait_caption(s.Text_pgm_wait));
    }
    if ((views & session::tab) && w_.SSTab1->currentIndex() != int(s.shown_tab)) {
        w_.tab_from_session = true;
        w_.SSTab1->setCurrentIndex(int(s.shown_tab));
        w_.tab_from_session = false;
    }
}

void Session_view::progress(long total, long current)
{
    if (total < 0) {
        unload_frmMsg();
        return;
    }
    if (Msg_shown == 1) {
        frmMsg().make_topmost();
        Msg_shown = 0;
    }
    // A total of 0 (a single word) counts as complete. The bar moves with the text, in steps
    // of five per cent.
    const int remaining = total > 0 ? int(100 - std::floor(100.0 * double(current) / double(total))) : 0;
    if (remaining % 5 == 0) {
        FrmMsg &msg = frmMsg();
        msg.Label2->setText(Tr::tr("残り %1 %").arg(remaining));
        msg.Label1->setText(w_.panel(session::Panel::activity)->text());
        msg.progress_bar->setValue(100 - remaining);
    }
    if (frmMsg_loaded())
        frmMsg().show_time_left(w_.s.time_left.seconds());
    if (current == total || total <= 0)
        unload_frmMsg();
}

void Session_view::phase_started(const QString &waiting_text)
{
    w_.Command_cancel->show();
    FrmMsg &msg = frmMsg();
    msg.Label1->setText(waiting_text);
    msg.make_topmost();
}

void Session_view::phase_ended() { w_.Command_cancel->hide(); }

void Session_view::busy_window_hidden()
{
    if (frmMsg_loaded())
        frmMsg().hide();
}

void Session_view::busy_window_closed() { unload_frmMsg(); }

// The memory view shows the dump file; it keeps what it had when the file cannot be read.
void Session_view::dump_written(bool hide_while_loading)
{
    QFile f(image::dump_path(w_.s));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        w_.s.Set_status_text(session::Panel::activity, [name = QFileInfo(f.fileName()).fileName(), reason = f.errorString()] {
            return Tr::tr("%1を読み込めません: %2").arg(name, reason);
        });
        return;
    }
    auto decode = QStringDecoder(QStringConverter::System);
    const QString text = decode(f.readAll());
    QPlainTextEdit *view = w_.RTextBox_memory;
    if (hide_while_loading)
        view->hide();
    view->setPlainText(text);
    if (hide_while_loading)
        view->show();
}

void Session_view::board_faulted(const QString &report)
{
    busy_window_hidden();
    desktop::show_message({desktop::Icon::information, comm::fault_report_title(), report, desktop::Buttons::ok}, &w_);
}

void Session_view::open_connection() { frmCom().show_modal(); }

} // namespace shell
