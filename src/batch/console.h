#pragma once
// Where a single board's batch run talks: standard error for everything but the requested
// output, with a progress bar that is rewritten in place on a terminal.

#include "batch/report.h"
#include "batch/stream_writer.h"

#include <cstdio>
#include <functional>

namespace batch {

class Console final : public Board_output {
public:
    Console(bool quiet, bool watch);
    ~Console() override;  // clears the bar

    void line(const QString &text) override;
    void output(const QString &text) override;
    void progress(long total, long current, const QString &activity) override;
    void result(const Run_report &report) override;

    // Told once when standard output or standard error has been closed.
    Stream_writer out;

private:
    void clear_bar();

    bool quiet_, watch_;
    bool tty_;
    bool bar_shown_ = false;
    int runs_ = 0;
};

} // namespace batch
