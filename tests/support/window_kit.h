#pragma once
// What the tests of the windows share: a fresh program, scripted message boxes and file
// dialogs, and a program started and connected to the simulated board.

#include "core_kit.h"
#include "desktop/file_dialog.h"
#include "desktop/message_box.h"
#include "shell/windows.h"

#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

namespace comm { class FrmCom; }
namespace shell { class FrmMain; }

namespace test {

// Scripted answers to message boxes; every box shown is recorded.
class Message_script {
public:
    Message_script();
    ~Message_script();
    std::vector<desktop::Message> shown;
    std::vector<desktop::Answer> answers;  // used in order; then `fallback`
    desktop::Answer fallback = desktop::Answer::ok;
    QStringList titles() const;
};

// Scripted answers to file dialogs: the paths in order, then cancel.
class File_script {
public:
    File_script();
    ~File_script();
    std::vector<desktop::File_request> asked;
    QStringList answers;
};

// The windows' session.
inline session::Session &S() { return shell::session(); }

// Listens to the windows' session beside the windows while it lives: the hooks see each
// notice first, then the windows get it.
class Tap final : public session::Listener {
public:
    Tap();
    ~Tap() override;
    std::function<void(session::Panel, const QString &)> on_status;
    std::function<void(long total, long current)> on_progress;

    void status_changed(session::Panel panel, const QString &text) override;
    void view_changed(unsigned views) override { inner_.view_changed(views); }
    void progress(long total, long current) override;
    void phase_started(const QString &waiting_text) override { inner_.phase_started(waiting_text); }
    void phase_ended() override { inner_.phase_ended(); }
    void busy_window_hidden() override { inner_.busy_window_hidden(); }
    void busy_window_closed() override { inner_.busy_window_closed(); }
    void dump_written(bool hide) override { inner_.dump_written(hide); }
    void board_faulted(const QString &report) override { inner_.board_faulted(report); }
    void open_connection() override { inner_.open_connection(); }

private:
    session::Listener &inner_;
};

// Deletes every window, starts a fresh session, clears the settings, and gives the program a
// fresh work folder.
void fresh_program();

// A fresh program as start-up leaves it before the connection dialog: the main window with
// its option lists, the image cleared.
shell::FrmMain &program_at_rest();

// Runs `action` once the connection dialog is on screen; clicks CANCEL afterwards if the
// dialog is still open.
void when_dialog_shown(std::function<void(comm::FrmCom &)> action);
// Runs the program's start-up; `during` plays the user in the connection dialog.
void start_program(std::function<void(comm::FrmCom &)> during);

// A program started and connected to the simulated board on COM1 through the connection
// dialog. `chip` is what the board's chip holds at power-on.
class Board_session {
public:
    explicit Board_session(const QStringList &sim_options = {}, const sim::Chip *chip = nullptr, int pins = 18,
                           int rev = 1);
    ~Board_session();
    bool connected = false;
    std::unique_ptr<Sim_process> board;
    // Stops the board and returns what its chip holds.
    sim::Chip chip_now();

private:
    QTemporaryDir dir_;
    QString state_path_;
};

} // namespace test
