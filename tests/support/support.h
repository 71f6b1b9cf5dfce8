#pragma once
// What the program's tests share: a fresh program, scripted message boxes and file
// dialogs, waiting for a condition, and the simulated board on a pseudo-terminal.

#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "sim/chip.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

namespace comm { class FrmCom; }
namespace state { class FrmMain; }

namespace test {

// Scripted answers to message boxes; every box shown is recorded.
class Message_script {
public:
    Message_script();
    ~Message_script();
    std::vector<platform::Message> shown;
    std::vector<platform::Answer> answers;  // used in order; then `fallback`
    platform::Answer fallback = platform::Answer::ok;
    QStringList titles() const;
};

// Scripted answers to file dialogs: the paths in order, then cancel.
class File_script {
public:
    File_script();
    ~File_script();
    std::vector<platform::File_request> asked;
    QStringList answers;
};

// Deletes every window, resets every global and the settings, and gives the program a fresh
// work folder.
void fresh_program();

// A fresh program as start-up leaves it before the connection dialog: the main window with
// its handlers and option lists, the image cleared.
state::FrmMain &program_at_rest();

// Processes events until `condition` holds or `limit_ms` passes; returns the condition.
bool wait_until(const std::function<bool()> &condition, int limit_ms = 10000);

// Settings of section "Settings" (empty text when absent).
QString stored(const QString &key);
void store(const QString &key, const QString &value);

// Runs `action` once the connection dialog is on screen; clicks CANCEL afterwards if the
// dialog is still open.
void when_dialog_shown(std::function<void(comm::FrmCom &)> action);
// Runs the program's start-up; `during` plays the user in the connection dialog.
void start_program(std::function<void(comm::FrmCom &)> during);

// The simulated board as a separate program on a pseudo-terminal, logging every command.
class Sim_process {
public:
    explicit Sim_process(const QStringList &options = {});
    ~Sim_process();
    bool started() const { return !device.isEmpty(); }
    QString device;  // the pseudo-terminal's path
    QString folder;  // a scratch folder that lives as long as the board
    QString log_path;
    // The commands received, compact: the command character, its payload in brackets
    // ("=;=>[2D]94[0DFF]3"). Waits until the log holds at least `at_least` commands.
    QString log(int at_least = 0) const;
    void stop();

private:
    QProcess process_;
};

// Makes "COMn" of the program the given device.
void map_com_port(int n, const QString &device);

// Maps every COM number not mapped yet to a device that is not there, so that a search of
// all ports never reaches the machine's own serial ports.
void map_other_com_ports_away();

// Another program holding a serial port (open and locked) while the object lives.
class Port_holder {
public:
    explicit Port_holder(const QString &device);
    ~Port_holder();
    bool holding = false;

private:
    QProcess process_;
};

// Whether this process has the device open.
bool open_here(const QString &device);

// "{76}*3" -> "767676": writes long command logs briefly.
QString expand(const QString &pattern);

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

// `qorvil --batch ARGS` as a separate program, its settings under `home`/config; standard
// error on a terminal `columns` wide when `columns` is given.
class Batch_process {
public:
    Batch_process(const QString &home, const QStringList &args, int columns = 0);
    ~Batch_process();
    // Waits until standard error holds every text (true), or the program ends first.
    bool wait_for_errors(const QStringList &texts, int limit_ms = 60000);
    // Waits for the end: the exit status, -1 when the program did not end normally.
    int finish(int limit_ms = 120000);
    void signal(int number);
    QString out, err;  // what it has written so far

private:
    void take();
    QProcess process_;
    int terminal_ = -1;
    QByteArray terminal_bytes_;
};

// What a chip holds: the board's state file once the board has stopped, or a HEX file.
sim::Chip chip_of(Sim_process &board, const QString &state_file);
sim::Chip hex_chip(const QString &file);

// An Intel HEX file: `words` from address 0, then FUSE and FUSEX at 0x2020 and the end record.
QByteArray hex_text(const std::vector<int> &words, int fuse = 0xFF7, int fusex = 0xFBF);
bool write_file(const QString &path, const QByteArray &contents);
// The whole file; empty when it cannot be read.
QByteArray read_file(const QString &path);

} // namespace test

// Readable texts in test failures.
#include <ostream>
inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }
