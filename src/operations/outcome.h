#pragma once
// How a device operation ended, for the front end to show: finished, finished with verify
// differences (and their list), stopped (by Cancel, a time-out or a fault of the port, with
// the exchange that failed), or not started at all.

#include <QString>
#include <optional>

namespace operations {

// What a verify pass found.
struct Verify_report {
    enum Bits { program_differs = 1, fuse_differs = 2, fusex_differs = 4 };
    int flags = 0;
    // The lines that list the differing program words (at most 20, then a note), as the
    // memory view takes them; empty when every program word matched.
    QString lines;
    // The text of the result box ("ベリファイ結果") for these flags.
    QString box_text;
    // What the differences probably mean, one line; empty when no pattern is clear.
    QString hint;
};

struct Stop {
    enum Reason { cancel, time_out, port_fault } reason = cancel;
    QString routine;  // the exchange that failed, as the trace names it ("program:7")
    QString details;  // the port's reason for a fault
    int counter = 0;  // the abort counter the status bar shows ("処理中止 (2)")
};

struct Outcome {
    enum End {
        finished,
        differences,  // a verify pass found differences (see `verify`)
        stopped,      // through the abort path (see `stop`)
        not_started,  // nothing was sent (see `refusal`)
    } end = finished;
    enum Refusal {
        no_refusal,
        oscillator_missing,  // Program: an A-revision chip with an external oscillator and no mode chosen
        no_package,          // Pin_mode is neither 18 nor 28: the connection dialog is wanted
    } refusal = no_refusal;
    std::optional<Verify_report> verify;  // set when a verify pass compared the chip
    Stop stop;
};

} // namespace operations
