// Serves a Board_model on a pseudo-terminal until told to stop.
#pragma once

#include "board_model.h"
#include "pty_device.h"
#include "save_schedule.h"

#include <cstdint>
#include <map>
#include <string>
#include <sys/types.h>

namespace sim {

struct Server_config {
    std::string state_path;         // chip contents are written here after changes
    bool exit_with_parent = false;  // stop when the parent process goes away
    long parent_pid = 0;            // stop when this process goes away (0 = off)
    double adapter_latency_s = 0.0; // replies are held back this long, as by a USB adapter
};

enum class Stop_reason {
    stop_signal,  // SIGINT, SIGTERM or SIGHUP
    parent_gone,  // the watched process ended
    hung_up,      // the model hung up; the terminal has been closed
    failed        // the terminal could not be read or written; see error()
};

class Pty_server {
public:
    // stop_fd becomes readable when the server is to stop (see Stop_signals).
    Pty_server(Board_model& model, Pty_device& device, int stop_fd, Server_config config);

    // Reads host bytes, feeds them to the model and sends its replies when
    // they are due.  Sleeps in poll() between events.
    Stop_reason run();

    const std::string& error() const { return error_; }

private:
    double now() const;
    void read_host(double now_s);
    void queue_due_outputs(double now_s);
    bool write_pending();
    bool parent_gone() const;
    int poll_timeout_ms(double now_s) const;
    void save_state_if_due(double now_s);
    bool ready_to_hang_up(double now_s);

    Board_model& model_;
    Pty_device& device_;
    int stop_fd_;
    Server_config config_;
    pid_t original_parent_;
    Save_schedule save_schedule_;
    std::uint64_t saved_changes_;
    std::multimap<double, std::string> scheduled_;  // due time -> bytes
    std::string held_;                              // due, held back by the adapter's timer
    double held_since_s_ = 0.0;                     // when the first held byte became due
    std::string unsent_;                            // due, not yet taken by the terminal
    double last_write_s_ = 0.0;
    double hangup_deadline_s_ = -1.0;
    std::string error_;
};

}  // namespace sim
