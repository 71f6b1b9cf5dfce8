#pragma once
// Gang programming: the same batch actions on several boards at once, in this one process.
// Every board runs on a thread of its own with a session of its own; the gang shows their
// progress and results, passes Ctrl-C on so that each stops through its abort path, waits for
// every board's thread to end, and sums up.

#include <QString>

namespace batch {

struct Batch_options;

// Runs the gang for `options` (which name several ports, or all). Returns the exit status:
// 0 when every board succeeded, else the worst of the boards' statuses.
int run_gang(const Batch_options &options);

// A board's name in file names: the port's letters and digits, "_" for each "/" but the
// first, and "-" with two hex digits for every other byte, so that no two ports share a name
// ("/dev/ttyUSB0" gives "dev_ttyUSB0", "/dev/tty_S0" "dev_tty-5FS0").
QString board_name(const QString &port);

// The board's trace file in the trace folder: "dev_ttyUSB0.trace".
QString board_trace_file(const QString &folder, const QString &port);

// The board's own file for a file that every board reads back: "back.hex" gives
// "back-COM1.hex".
QString board_file(const QString &path, const QString &port);

} // namespace batch
