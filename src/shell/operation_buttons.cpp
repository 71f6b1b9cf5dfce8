#include "shell/operation_buttons.h"

#include "connection_dialog/frm_com.h"
#include "desktop/busy.h"
#include "desktop/message_box.h"
#include "operations/operation_frame.h"
#include "operations/operations.h"
#include "shell/frm_main.h"
#include "shell/windows.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace shell {
namespace {

// Everything that could start a second exchange or change the image or the words (the command
// tab's buttons go with their page).
void enable_conflicting(FrmMain &w, bool enabled)
{
    for (QPushButton *b : {w.Command_open, w.Command_save, w.Command_Com, w.Command_erase, w.Command_verify,
                           w.Command_program, w.Command_read})
        b->setEnabled(enabled);
    for (QAction *a : {w.mnuFileOpen, w.mnuFileSave, w.mnuFileSaveAs, w.mnuInit, w.mnuOption, w.nmuBufClear})
        a->setEnabled(enabled);
    w.SSTab1->tabBar()->setEnabled(enabled);
    for (int i = 0; i <= 2; ++i)
        w.SSTab1->widget(i)->setEnabled(enabled);
}

// Held while an operation runs: nothing else may start an exchange or change the image. The
// conflicting controls are disabled, and enabled again when the outermost guard ends, however
// the operation ends.
class Operation_guard {
public:
    explicit Operation_guard(FrmMain &w) : w_(w), busy_(w.s)
    {
        if (busy_.outermost())
            enable_conflicting(w_, false);
    }
    ~Operation_guard()
    {
        if (!busy_.outermost())
            return;
        enable_conflicting(w_, true);
        w_.Command_cancel->hide();
    }
    Operation_guard(const Operation_guard &) = delete;
    Operation_guard &operator=(const Operation_guard &) = delete;

private:
    FrmMain &w_;
    desktop::Window_busy busy_;
};

void box(desktop::Icon icon, const QString &title, const QString &text)
{
    desktop::show_message({icon, title, text, desktop::Buttons::ok}, &frmMain());
}

// The differences a verify pass listed, in the memory view after the dump.
void append_to_memory_view(const QString &text)
{
    QPlainTextEdit *view = frmMain().RTextBox_memory;
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
    QTextCursor end = view->textCursor();
    end.movePosition(QTextCursor::End);
    end.insertText(shown);
    view->setTextCursor(end);  // the lines just added are in sight
    view->ensureCursorVisible();
}

// What the user sees of an operation's end, beyond the status bar.
void show_outcome(const operations::Outcome &o)
{
    if (o.verify && !o.verify->lines.isEmpty())
        append_to_memory_view(o.verify->lines);
    if (o.verify && !o.verify->hint.isEmpty())
        append_to_memory_view(o.verify->hint + QStringLiteral("\r\n"));
    if (o.verify && o.verify->flags != 0)
        box(desktop::Icon::information, operations::verify_result_title(), o.verify->box_text);
    if (o.end == operations::Outcome::stopped)
        box(desktop::Icon::critical, operations::abort_box_title(), operations::abort_box_text());
}

// An operation that did not start: Program's refusal, or the connection dialog for a package
// that is neither 18 nor 28 pins.
void show_refusal(const operations::Outcome &o)
{
    if (o.refusal == operations::Outcome::oscillator_missing)
        box(desktop::Icon::exclamation, operations::oscillator_refusal_title(), operations::oscillator_refusal_text());
    else if (o.refusal == operations::Outcome::no_package)
        frmCom().show_modeless();
}

// Runs an operation inside the guard; returns how it ended.
template <typename Operation> operations::Outcome run(Operation operation)
{
    FrmMain &w = frmMain();
    operations::Outcome o;
    {
        const Operation_guard guard(w);
        o = operation(w.s);
        if (o.end != operations::Outcome::not_started)
            show_outcome(o);
    }
    if (o.end == operations::Outcome::not_started)
        show_refusal(o);
    return o;
}

} // namespace

void Command_program_click()
{
    if (session().Operation_running)
        return;
    const operations::Outcome o = run(operations::Program);
    // The button takes the focus back once the operation has let go of it.
    if (o.end != operations::Outcome::stopped && o.end != operations::Outcome::not_started)
        frmMain().Command_program->setFocus();
}

void Command_read_click()
{
    if (!session().Operation_running)
        run(operations::Read);
}

void Command_verify_click()
{
    if (!session().Operation_running)
        run(operations::Verify);
}

void Command_erase_click()
{
    if (session().Operation_running)
        return;
    // A notice, not a question: the erase goes on after OK.
    box(desktop::Icon::exclamation, operations::erase_notice_title(), operations::erase_notice_text());
    run(operations::Erase);
}

void Command_cancel_click()
{
    session::Session &s = session();
    s.Link.comxx_error = int16_t(s.Link.comxx_error + 1);
}

void connect_operation_buttons(FrmMain &w)
{
    QObject::connect(w.Command_program, &QPushButton::clicked, &w, [] { Command_program_click(); });
    QObject::connect(w.Command_read, &QPushButton::clicked, &w, [] { Command_read_click(); });
    QObject::connect(w.Command_verify, &QPushButton::clicked, &w, [] { Command_verify_click(); });
    QObject::connect(w.Command_erase, &QPushButton::clicked, &w, [] { Command_erase_click(); });
    QObject::connect(w.Command_cancel, &QPushButton::clicked, &w, [] { Command_cancel_click(); });
}

} // namespace shell
