#pragma once
// What a batch run on one board adds around the device operations: the serial number, the
// production log, and the run's report.

#include "batch/command_line.h"
#include "batch/report.h"
#include "session/session.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace batch {

class Board_run {
public:
    // `error` prints a line for the user.
    Board_run(const Batch_options &options, session::Session &s, Board_output &out,
              std::function<void(const QString &)> error);

    // A stop was asked for: the running operation aborts at its next test (leaving ISP mode)
    // and no further action starts.
    bool interrupted() const { return s_.stopping(); }

    // A run begins: the clock, the failed-exchange note, "connecting".
    void begin();
    // After the program image has been loaded, before anything is sent: whether the serial
    // number has room. Returns a batch exit status.
    int check_serial_target();
    // Takes the run's serial number from the numbers file. Returns a batch exit status.
    int take_serial();
    // The port has been opened or not.
    void connected(bool opened);
    void action_started(const QString &action);
    void progress(long total, long current);
    // An image has been loaded for Program or Verify: the run's serial number goes into it,
    // and it becomes the image of the log row.
    void image_loaded(const QString &path);
    // Program has ended with `status`; a programmed and verified chip uses the number up.
    int program_done(int status);
    // The run ends: an unused number goes back, the log row is written, the report is given.
    // `refusal` is the last error printed (for a refused run); `result`, when given, is the
    // result instead of the one the status stands for. Returns the status.
    int end(int status, const QString &refusal, const QString &result = {});
    // The run ended early, without a result of its own: it still gets its log row.
    void abandon();

    const Run_report &report() const { return report_; }

private:
    QString result_text(int status, const QString &refusal) const;
    void settle(bool used);

    const Batch_options &options_;
    session::Session &s_;
    Board_output &out_;
    std::function<void(const QString &)> error_;
    Serial_plan plan_;
    bool opened_ = false;
    QElapsedTimer clock_;
    QDateTime started_;
    std::optional<std::uint64_t> serial_;  // the run's number, in every image it loads
    bool settled_ = false;                 // used up, or given back
    bool begun_ = false;                   // between begin() and end()
    QString device_;  // the serial device, once the run has set up the port
    QString image_, crc_, action_, phase_;
    int step_ = -1;
    Run_report report_;
};

} // namespace batch
