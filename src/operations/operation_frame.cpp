#include "operations/operation_frame.h"

#include "operations/tr.h"

#include "image/device_image.h"
#include "link/commands.h"
#include "link/frm_com.h"
#include "state/status_bar.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/serial_port.h"
#include "state/frm_main.h"
#include "state/frm_msg.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <cmath>

namespace operations {
namespace {
int guards = 0;
std::function<void(long, long)> progress_observer;

auto &W() { return state::frmMain(); }

// Everything that could start a second exchange or change the image or the words (the command
// tab's buttons go with their page).
void enable_conflicting(bool enabled)
{
    auto &w = W();
    for (QPushButton *b : {w.Command_open, w.Command_save, w.Command_Com, w.Command_erase, w.Command_verify,
                           w.Command_program, w.Command_read})
        b->setEnabled(enabled);
    for (QAction *a : {w.mnuFileOpen, w.mnuFileSave, w.mnuFileSaveAs, w.mnuInit, w.mnuOption, w.nmuBufClear})
        a->setEnabled(enabled);
    w.SSTab1->tabBar()->setEnabled(enabled);
    for (int i = 0; i <= 2; ++i)
        w.SSTab1->widget(i)->setEnabled(enabled);
}
} // namespace

Operation_guard::Operation_guard() : outermost_(guards == 0)
{
    ++guards;
    if (outermost_)
        enable_conflicting(false);
}

Operation_guard::~Operation_guard()
{
    --guards;
    if (outermost_) {
        enable_conflicting(true);
        end_buttons();
    }
}

void set_progress_observer(std::function<void(long, long)> observer) { progress_observer = std::move(observer); }

void Show_progress(const QString &mode, int, long total, long current)
{
    if (progress_observer)
        progress_observer(mode == QLatin1String("ON") ? total : -1, current);
    if (mode == QLatin1String("ON")) {
        if (state::Msg_shown == 1) {
            state::frmMsg().make_topmost();
            state::Msg_shown = 0;
        }
        // A total of 0 (a single word) counts as complete.
        const int remaining = total > 0 ? int(100 - std::floor(100.0 * double(current) / double(total))) : 0;
        if (remaining % 5 == 0) {
            state::Set_status_text(2, Tr::tr("残り　%1 %").arg(remaining));
            state::FrmMsg &msg = state::frmMsg();
            msg.Label2->setText(Tr::tr("残り %1 %").arg(remaining));
            msg.Label1->setText(state::status_text(3));
        }
        if (state::frmMsg_loaded())
            state::frmMsg().show_done(100 - remaining);
        if (current == total || total <= 0) {
            state::Set_status_text(2, QString());
            state::unload_frmMsg();
        }
    } else {
        state::Set_status_text(2, QString());
        state::unload_frmMsg();
    }
    platform::yield_events();
}

void Abort_operation()
{
    const int16_t counter = int16_t(state::Link.comxx_error + 1);
    state::Link.comxx_error = counter;
    comm::cor_exit_ISP();
    // Leaving ISP mode may itself fail (the board has gone silent); the count shown is
    // still the one of this abort.
    state::Link.comxx_error = counter;
    state::Set_status_text(3, Tr::tr("処理中止 (%1)").arg(counter));
    Show_progress(QStringLiteral("Off"), 0, 0, 0);
    end_buttons();
    state::frmMsg().hide();
    platform::show_message({platform::Icon::critical, Tr::tr("error"),
                            Tr::tr("  デバイス　アクセスエラーが発生しました。  !!!　　　　  \r")
                                + QString(28, ' ') + Tr::tr("\r  処理を中止しました。　"),
                            platform::Buttons::ok},
                           &W());
}

void Ensure_port_open()
{
    if (!platform::port().is_open())
        comm::frmCom().show_modal();
}

void Close_port_if_open()
{
    if (platform::port().is_open())
        platform::port().close();
}

void Command_cancel_click() { state::Link.comxx_error = int16_t(state::Link.comxx_error + 1); }

bool stopped()
{
    if (state::Link.comxx_error == 0)
        return false;
    Abort_operation();
    return true;
}

bool send_pin_mode()
{
    if (state::Pin_mode == 18) {
        comm::cor_mode_18pin();
        return true;
    }
    if (state::Pin_mode == 28) {
        comm::cor_mode_28pin();
        return true;
    }
    comm::frmCom().show_modeless();
    return false;
}

void show_elapsed(const QDateTime &start)
{
    state::Set_status_text(4, platform::elapsed_text(start, platform::wall_time()));
}

void end_buttons() { W().Command_cancel->hide(); }

void show_busy_window(const QString &waiting_text)
{
    state::FrmMsg &msg = state::frmMsg();
    msg.Label1->setText(waiting_text);
    msg.make_topmost();
}

void reset_for_operation()
{
    state::Link.comxx_error = 0;
    state::Address_pc = 4095;
    W().address_pc->setText(comm::address_caption());
}

bool start_operation(const Operation_start &s)
{
    W().Command_cancel->show();
    if (s.dump_image)
        image::Dump_image();
    if (s.clear_time)
        state::Set_status_text(4, QString());
    state::Set_status_text(3, s.running_text);
    show_busy_window(s.waiting_text);
    reset_for_operation();
    if (s.full_memory)
        state::Last_address = 2047;
    Ensure_port_open();
    if (stopped())
        return false;
    if (!send_pin_mode())
        return false;
    return !stopped();
}

bool run_chain(std::initializer_list<void (*)()> routines)
{
    for (void (*routine)() : routines) {
        routine();
        if (stopped())
            return false;
    }
    return true;
}

int last_non_blank_address()
{
    int last = -1;
    for (int i = 0; i <= state::Last_address; ++i)
        if (state::Mem_buffer[size_t(i)] != state::blank_word)
            last = i;
    return last;
}

void append_to_memory_view(const QString &text)
{
    QPlainTextEdit *view = W().RTextBox_memory;
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
    QTextCursor end = view->textCursor();
    end.movePosition(QTextCursor::End);
    end.insertText(shown);
}

} // namespace operations
