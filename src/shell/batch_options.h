#pragma once
// The command line of batch mode: `qorvil --batch [options] ACTION…`.

#include "shell/serial_numbers.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace shell {

struct Batch_action {
    enum Kind { identify, erase, program, verify, read, fuse, fusex } kind;
    QString value;  // file name, or the word of fuse/fusex
};

struct Batch_options {
    std::optional<QString> port;  // "COMn" or a device path
    std::optional<int> pins;      // 18 or 28
    std::optional<int> rev;       // 0 old, 1 A
    std::optional<int> wait;      // program-wait count 0..255
    bool quiet = false;
    std::optional<QString> trace;  // file for the exchange trace
    std::vector<Batch_action> actions;
    // Several boards, serial numbers, production log, watch mode (production_options.h).
    QStringList ports;  // every --port and --ports entry, in order
    std::optional<Serial_plan> serial;
    std::optional<int> serial_bytes;
    std::optional<QString> serial_file;
    std::optional<QString> log_csv;
    bool watch = false;
    bool progress_channel = false;  // a board of a gang, reporting to its supervisor
};

struct Batch_parse {
    Batch_options options;
    QString error;  // empty when the arguments were accepted
    bool help = false;
};

// Parses the arguments after the program name; "--batch" itself is skipped.
Batch_parse parse_batch_arguments(const QStringList &args);

QString batch_usage();

} // namespace shell
