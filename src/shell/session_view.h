#pragma once
// The main window as the session's listener: the word labels, reply fields, fuse panel and
// status bar show what the session holds; the busy window follows the operations' progress;
// faults and a closed port come up as the program's own boxes and dialog.

#include "session/session.h"

namespace shell {

class FrmMain;

class Session_view final : public session::Listener {
public:
    explicit Session_view(FrmMain &w);
    ~Session_view() override;

    void status_changed(session::Panel panel, const QString &text) override;
    void view_changed(unsigned views) override;
    void progress(long total, long current) override;
    void phase_started(const QString &waiting_text) override;
    void phase_ended() override;
    void busy_window_hidden() override;
    void busy_window_closed() override;
    void dump_written(bool hide_while_loading) override;
    void board_faulted(const QString &report) override;
    void open_connection() override;

private:
    FrmMain &w_;
};

} // namespace shell
