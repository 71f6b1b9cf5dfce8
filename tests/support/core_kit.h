#pragma once
// What every test shares: waiting for a condition, the settings, files, the simulated board
// on a pseudo-terminal, and the program in batch mode as a separate process. Nothing here
// needs a display.

#include "session/session.h"
#include "sim/chip.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace test {

// Processes events until `condition` holds or `limit_ms` passes; returns the condition.
bool wait_until(const std::function<bool()> &condition, int limit_ms = 10000);

// Settings of section "Settings" (empty text when absent).
QString stored(const QString &key);
void store(const QString &key, const QString &value);
// Every setting gone.
void clear_settings();

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

// `qorvil --batch ARGS` as a separate program, its settings under `home`/config; standard
// error on a terminal `columns` wide when `columns` is given; both outputs through a pipe
// whose reader goes away after `head_lines` lines when that is given; ignoring hang-ups from
// the start when `nohup`.
class Batch_process {
public:
    Batch_process(const QString &home, const QStringList &args, int columns = 0, int head_lines = 0, bool nohup = false);
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

// A test of batch mode: a home folder for the program's settings and files, and the program
// run to its end there.
class Batch_home : public ::testing::Test {
protected:
    QTemporaryDir home;
    QString path(const QString &name) const { return home.path() + '/' + name; }
    QString read(const QString &name) const;
    QString numbers() const;  // the numbers file "serials.txt" without its comment lines
    struct Run {
        int code;
        QString out, err;
    };
    Run qorvil(const QStringList &args, int limit_ms = 120000) const;
    // Boards on COM1, COM2, … with these options, board n's chip kept in chipN.state; the other
    // ports up to COM9 lead nowhere, never to the machine's own.
    std::vector<std::unique_ptr<Sim_process>> boards_on_com_ports(const std::vector<QStringList> &options) const;
};

// What a chip holds: the board's state file once the board has stopped, or a HEX file.
sim::Chip chip_of(Sim_process &board, const QString &state_file);
sim::Chip hex_chip(const QString &file);

// One Intel HEX record with its checksum, written here and not by the program under test.
QString hex_record(int address, const QList<int> &data, int type = 0);
// An Intel HEX file: `words` from address 0, then FUSE and FUSEX at 0x2020 and the end record.
QByteArray hex_text(const std::vector<int> &words, int fuse = 0xFF7, int fusex = 0xFBF);
bool write_file(const QString &path, const QByteArray &contents);
// The whole file; empty when it cannot be read.
QByteArray read_file(const QString &path);

// A sysfs tree in `dir` in which `device` (a pseudo-terminal) has the latency timer `ms`, or
// none; returns its root, for QORVIL_SYSFS_ROOT.
QString fake_sysfs(const QTemporaryDir &dir, const QString &device, const char *ms);

// A trace file's lines without their time field; a time-out's length must reach `min_ms`
// and is then written "N".
QStringList trace_lines(const QString &path, int min_ms = 0);

// What a session told its front end.
struct Recorder final : session::Listener {
    QStringList statuses;  // "3 text" per status text
    QStringList faults;    // the communication-error reports
    std::vector<std::pair<long, long>> steps;  // progress
    void status_changed(session::Panel panel, const QString &text) override
    {
        statuses << QString::number(int(panel)) + ' ' + text;
    }
    void board_faulted(const QString &report) override { faults << report; }
    void progress(long total, long current) override { steps.emplace_back(total, current); }
};

} // namespace test

// Readable texts in test failures.
#include <ostream>
inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }
