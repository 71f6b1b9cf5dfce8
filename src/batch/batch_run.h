#pragma once
// The batch actions on one board, with the board's own session: the checks that come before
// anything is sent, the connection, the actions in order, the production bookkeeping, and
// watch mode. What it has to say goes to a Board_output.

#include "batch/board_run.h"
#include "batch/command_line.h"
#include "batch/report.h"
#include "operations/outcome.h"
#include "session/session.h"

#include <QString>
#include <optional>

namespace batch {

// Why a file the run reads (an image to program or verify) cannot be read, or one it writes
// (the production log, the trace, a read image) cannot be written; empty when every one can.
QString file_problem(const Batch_options &options);

class Batch_run final : public session::Listener {
public:
    // `quiet`: only errors and the reports of faults, stops and differences are printed.
    Batch_run(const Batch_options &options, session::Session &s, Board_output &out, bool quiet);
    ~Batch_run() override;

    // Runs the actions (again after every new version of the program file in watch mode).
    // Returns the exit status.
    int run();

    // Ctrl-C on this thread: says so once, and the run stops.
    void request_stop();

    // The session's listener.
    void status_changed(session::Panel panel, const QString &text) override;
    void progress(long total, long current) override;
    void board_faulted(const QString &report) override;
    void open_connection() override;

private:
    int run_once();
    int check_serial_targets();
    int watch();
    void prepare();
    void start_trace();
    int connect_board();
    int load(const QString &path);
    void apply_word_overrides();
    int status_of(const operations::Outcome &o);
    int perform(const Batch_action &action);
    void error(const QString &text);
    // A message box of the windows, as a line: "[title] text".
    void box(const QString &title, const QString &text, bool news_only);

    const Batch_options options_;
    session::Session &s_;
    Board_output &out_;
    bool quiet_;
    Board_run board_;
    QString last_error_;
    QString identification_;
    std::optional<QString> fuse_, fusex_;
};

} // namespace batch
