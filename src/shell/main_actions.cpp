#include "shell/main_actions.h"

#include "image/file_commands.h"
#include "link/frm_com.h"
#include "operations/operation_frame.h"
#include "operations/operations.h"
#include "platform/files.h"
#include "platform/serial_port.h"
#include "state/busy.h"
#include "shell/frm_about.h"
#include "state/frm_main.h"
#include "state/frm_what.h"
#include "state/globals.h"
#include "shell/help_viewer.h"
#include "shell/language.h"
#include "shell/trace_control.h"
#include "state/windows.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace shell {
namespace {
bool exit_steps_done = false;

// The connection dialog is held back while a board exchange runs.
void show_connection_dialog()
{
    if (!state::busy())
        comm::frmCom().show_modal();
}

void run_exit_steps() { operations::Close_port_if_open(); }
} // namespace

void connect_main_buttons(state::FrmMain &w)
{
    operations::connect_operation_buttons(w);
    QObject::connect(w.Command_Com, &QPushButton::clicked, &w, [] { show_connection_dialog(); });
    QObject::connect(w.Command_open, &QPushButton::clicked, &w, [] { image::Open_command(); });
    QObject::connect(w.Command_save, &QPushButton::clicked, &w, [] { image::Save_as_command(); });
}

void connect_main_menus(state::FrmMain &w)
{
    QObject::connect(w.mnuFileOpen, &QAction::triggered, &w, [] { image::Open_command(); });
    QObject::connect(w.mnuFileSave, &QAction::triggered, &w, [] { image::Save_command(); });
    QObject::connect(w.mnuFileSaveAs, &QAction::triggered, &w, [] { image::Save_as_command(); });
    QObject::connect(w.mnuFileExit, &QAction::triggered, &w, [] { exit_program(); });
    QObject::connect(w.mnuInit, &QAction::triggered, &w, [] { show_connection_dialog(); });
    QObject::connect(w.nmuRev, &QAction::triggered, &w, [] { state::frmWhat().exec(); });
    QObject::connect(w.nmuHelp, &QAction::triggered, &w, [] { show_help(); });
    QObject::connect(w.mnuHelpAbout, &QAction::triggered, &w, [] { show_about(); });
    add_trace_menu_entry(w);
    add_language_menu(w.mnuOptionMain);
}

void status_panel_clicked(int panel)
{
    const QString text = state::frmMain().sbPanel[size_t(panel)]->text();
    if (text.left(3) == QLatin1String("Com"))
        show_connection_dialog();
}

void exit_program()
{
    // While an exchange runs, the port stays open: closing the window lets the operation end
    // through its own abort path first.
    if (!state::busy())
        run_exit_steps();
    state::frmMain().close();
}

bool main_window_may_close()
{
    if (state::busy()) {
        // Let the running exchange end through its own abort path first.
        state::Close_requested = true;
        state::Link.comxx_error = int16_t(state::Link.comxx_error + 1);
        return false;
    }
    if (!exit_steps_done) {
        exit_steps_done = true;
        run_exit_steps();
        platform::remove_file(platform::work_folder() + QStringLiteral("sx_hex.txt"));
        // Every other window closes with the main window.
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top != &state::frmMain() && top->isVisible())
                top->hide();
        QApplication::quit();
    }
    return true;
}

void reset_exit_state()
{
    state::Close_requested = false;
    exit_steps_done = false;
}

void show_help() { Help_viewer::show_help(&state::frmMain()); }

} // namespace shell
