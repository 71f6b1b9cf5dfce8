#pragma once
// The simulated board served in-process: a serial port whose other end is the board model.
// Replies arrive when the model says they are due; every write is recorded with its time.

#include "platform/serial_port.h"
#include "session/session.h"
#include "sim/board_model.h"

#include <deque>
#include <vector>

namespace test {

class Board_port final : public platform::Serial_port {
public:
    explicit Board_port(const sim::Board_options &options = {}) : board(options) {}
    sim::Board_model board;
    std::vector<std::pair<double, QByteArray>> writes;  // time and bytes of every write
    bool open_ = true;
    int waits = 0;  // calls of wait_for_bytes

    void set_device(const QString &) override {}
    QString device() const override { return {}; }
    void open() override { open_ = true; }
    void close() override { open_ = false; }
    bool is_open() const override { return open_; }
    void configure_line() override { check(); }
    void flush_input() override;
    int bytes_waiting() override;
    void write(const QByteArray &bytes) override;
    QByteArray read_all() override;
    bool wait_for_bytes(int count, int timeout_ms) override;
    int last_event() const override { return last_event_; }

private:
    void check();
    void settle();
    std::deque<std::pair<double, QByteArray>> pending_;  // due time and bytes
    QByteArray buffer_;
    int last_event_ = 0;
};

// Gives the session a Board_port (open) and returns it; the session owns it.
Board_port &install_board(session::Session &s, const sim::Board_options &options = {});

} // namespace test
