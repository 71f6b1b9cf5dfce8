#pragma once
// What a board's run reports, and where a board's run reports it: the console of a single
// board, or the gang's display.

#include <QString>

namespace batch {

struct Run_report {
    int status = 0;
    qint64 milliseconds = 0;
    QString serial;  // empty for none
    QString result;
};

// "ok, serial 1001, 12.3 s": how a run's end reads for the user.
QString run_summary(const Run_report &report);

class Board_output {
public:
    virtual ~Board_output() = default;
    // A line for the user (standard error).
    virtual void line(const QString &text) = 0;
    // What batch mode prints on standard output (--identify).
    virtual void output(const QString &text) = 0;
    // A step of an operation's word loop; `total` < 0 when the display closes. `activity`
    // is what status panel 3 says.
    virtual void progress(long /*total*/, long /*current*/, const QString & /*activity*/) {}
    // A step without a percentage ("connecting", "erase", "waiting"), or a phase and its
    // percentage in steps of five ("program", 45).
    virtual void state(const QString & /*step*/) {}
    virtual void percent(const QString & /*phase*/, int /*step*/) {}
    // The serial device the port stands for, once the port is set up.
    virtual void device(const QString & /*device*/) {}
    virtual void result(const Run_report & /*report*/) {}
};

} // namespace batch
