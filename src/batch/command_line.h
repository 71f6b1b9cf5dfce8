#pragma once
// The whole command line of the program, read by one table: the options of a window run
// (`qorvil [--lang ja|en] [--trace FILE]`) and those of batch mode
// (`qorvil --batch [options] ACTION…`).

#include "batch/serial_numbers.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace batch {

struct Batch_action {
    enum Kind { identify, erase, program, verify, read, fuse, fusex } kind;
    QString value;  // file name, or the word of fuse/fusex
};

struct Batch_options {
    std::optional<QString> port;  // "COMn", a device path, "auto"; the last --port or --ports entry
    std::optional<int> pins;      // 18 or 28
    std::optional<int> rev;       // 0 old, 1 A
    std::optional<int> wait;      // programming wait 0..255
    bool quiet = false;
    std::optional<QString> trace;  // file for the exchange trace (a folder for a gang)
    std::vector<Batch_action> actions;
    // Several boards, serial numbers, production log, watch mode.
    QStringList ports;  // every --port and --ports entry, in order
    std::optional<Serial_plan> serial;
    std::optional<int> serial_bytes;
    std::optional<QString> serial_file;
    std::optional<QString> log_csv;
    bool watch = false;
    std::optional<int> boards;  // how many boards --port all must find
    // Pending numbers of the numbers file put back by hand: free (false: the chip does not
    // carry it) or used (true). A run of these touches no board.
    std::vector<std::pair<std::uint64_t, bool>> releases;
};

struct Command_line {
    bool batch = false;
    bool help = false;
    bool version = false;
    bool help_path = false;
    std::optional<QString> lang;   // --lang
    std::optional<QString> trace;  // --trace of a window run
    QString file;                  // a window run's first argument that is not an option: a file to open
    Batch_options options;         // of batch mode
    QString error;  // what is wrong with a batch command line; empty when it was accepted
};

// Reads the arguments after the program name. A window run ignores what it does not know.
Command_line parse_command_line(const QStringList &args);

// Whether the options name several boards (or "all"): a gang runs them.
bool several_boards(const Batch_options &options);

QString program_usage();
QString batch_usage();

} // namespace batch
