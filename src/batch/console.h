#pragma once
// Where a single board's batch run talks: standard error for everything but the requested
// output, with a progress bar that is rewritten in place on a terminal.

#include "batch/report.h"

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

    // Called once when standard output or standard error has been closed (the reader of a
    // pipe went away): the run is to stop.
    std::function<void()> closed;

private:
    void clear_bar();
    void write(std::FILE *to, const QString &text);

    bool quiet_, watch_;
    bool tty_;
    bool bar_shown_ = false;
    int runs_ = 0;
    bool closed_ = false;
};

} // namespace batch
