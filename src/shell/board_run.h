#pragma once
// What a batch run on one board adds around the device operations: Ctrl-C through the abort
// path and the report to a gang supervisor.

#include "shell/batch_options.h"
#include "shell/progress_channel.h"

#include <QElapsedTimer>
#include <QString>
#include <functional>

namespace shell {

class Board_run {
public:
    // `error` prints a line for the user (on the channel when it is open).
    Board_run(const Batch_options &options, std::function<void(const QString &)> error);

    // SIGINT and SIGTERM from now on stop the run: the running operation aborts at its next
    // test (leaving ISP mode) and no further action starts.
    void catch_stop();
    void release_stop();
    bool interrupted() const { return interrupted_; }
    // An operation clears the abort counter when it starts; a stop seen before must hold.
    void keep_stopping() const;

    // A run begins: the clock, the failed-exchange note, "connecting" for the supervisor.
    void begin();
    // The port has been opened or not.
    void connected(bool opened);
    void action_started(const QString &action);
    void progress(long total, long current);
    // The run ends: the supervisor is told. `refusal` is the last error printed (for a
    // refused run). Returns the status.
    int end(int status, const QString &refusal);

    const Run_report &report() const { return report_; }

private:
    QString result_text(int status, const QString &refusal) const;

    const Batch_options &options_;
    std::function<void(const QString &)> error_;
    bool interrupted_ = false;
    bool opened_ = false;
    QElapsedTimer clock_;
    QString action_, phase_;
    int step_ = -1;
    Run_report report_;
};

} // namespace shell
