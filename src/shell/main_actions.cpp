#include "shell/main_actions.h"

#include "connection_dialog/frm_com.h"
#include "desktop/busy.h"
#include "operations/operation_frame.h"
#include "platform/files.h"
#include "platform/settings.h"
#include "shell/file_commands.h"
#include "shell/frm_about.h"
#include "shell/frm_main.h"
#include "shell/frm_what.h"
#include "shell/help_viewer.h"
#include "shell/language.h"
#include "shell/operation_buttons.h"
#include "shell/recent_files.h"
#include "shell/trace_control.h"
#include "shell/windows.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace shell {
namespace {
bool exit_steps_done = false;
// The main window was asked to close while an exchange ran; it closes when that has ended.
bool Close_requested = false;

// The connection dialog is held back while a board exchange runs.
void show_connection_dialog()
{
    if (!session().Operation_running)
        frmCom().show_modal();
}

void run_exit_steps() { operations::Close_port_if_open(session()); }
} // namespace

void connect_main_buttons(FrmMain &w)
{
    connect_operation_buttons(w);
    QObject::connect(w.Command_Com, &QPushButton::clicked, &w, [] { show_connection_dialog(); });
    QObject::connect(w.Command_open, &QPushButton::clicked, &w, [] { Open_command(); });
    QObject::connect(w.Command_save, &QPushButton::clicked, &w, [] { Save_as_command(); });
    desktop::when_idle([] {
        if (Close_requested)
            frmMain().close();
    });
}

void connect_main_menus(FrmMain &w)
{
    QObject::connect(w.mnuFileOpen, &QAction::triggered, &w, [] { Open_command(); });
    QObject::connect(w.mnuFileSave, &QAction::triggered, &w, [] { Save_command(); });
    QObject::connect(w.mnuFileSaveAs, &QAction::triggered, &w, [] { Save_as_command(); });
    QObject::connect(w.mnuFileExit, &QAction::triggered, &w, [] { exit_program(); });
    QObject::connect(w.mnuInit, &QAction::triggered, &w, [] { show_connection_dialog(); });
    QObject::connect(w.nmuRev, &QAction::triggered, &w, [] { frmWhat().exec(); });
    QObject::connect(w.nmuHelp, &QAction::triggered, &w, [] { show_help(); });
    QObject::connect(w.mnuHelpAbout, &QAction::triggered, &w, [] { show_about(); });
    add_trace_menu_entry(w);
    add_language_menu(w.mnuOptionMain);
    add_recent_files_menu(w);
}

void save_window_place(FrmMain &w)
{
    platform::save_setting(QStringLiteral("Window"), QStringLiteral("Geometry"), QString::fromLatin1(w.saveGeometry().toBase64()));
    platform::save_setting(QStringLiteral("Window"), QStringLiteral("Tab"), QString::number(w.SSTab1->currentIndex()));
}

void restore_window_place(FrmMain &w)
{
    const QByteArray geometry =
        QByteArray::fromBase64(platform::read_setting(QStringLiteral("Window"), QStringLiteral("Geometry"), QString()).toLatin1());
    if (!geometry.isEmpty())
        w.restoreGeometry(geometry);  // never below the window's minimum size
}

void restore_window_tab(FrmMain &w)
{
    bool ok = false;
    const int tab = platform::read_setting(QStringLiteral("Window"), QStringLiteral("Tab"), QString()).toInt(&ok);
    if (ok && tab >= 0 && tab < w.SSTab1->count())
        w.SSTab1->setCurrentIndex(tab);
}

void status_panel_clicked(int panel)
{
    const QString text = frmMain().sbPanel[size_t(panel)]->text();
    if (text.left(3).compare(QLatin1String("Com"), Qt::CaseInsensitive) == 0)  // "COM3, 28 pins, …" in English
        show_connection_dialog();
}

void exit_program()
{
    // While an exchange runs, the port stays open: closing the window lets the operation end
    // through its own abort path first.
    if (!session().Operation_running)
        run_exit_steps();
    frmMain().close();
}

bool main_window_may_close()
{
    session::Session &s = session();
    if (s.Operation_running) {
        // Let the running exchange end through its own abort path first.
        Close_requested = true;
        s.Link.comxx_error = int16_t(s.Link.comxx_error + 1);
        return false;
    }
    if (!exit_steps_done) {
        exit_steps_done = true;
        save_window_place(frmMain());
        run_exit_steps();
        platform::remove_file(platform::work_folder() + QStringLiteral("sx_hex.txt"));
        // Every other window closes with the main window.
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top != &frmMain() && top->isVisible())
                top->hide();
        QApplication::quit();
    }
    return true;
}

void reset_exit_state()
{
    Close_requested = false;
    exit_steps_done = false;
}

void show_help() { Help_viewer::show_help(&frmMain()); }

} // namespace shell
