#pragma once
// The simulated board served in-process: a serial port whose other end is the board model.

#include "platform/serial_port.h"
#include "sim/board_model.h"

#include <deque>
#include <memory>

namespace test {

class Sim_port final : public platform::Serial_port {
public:
    explicit Sim_port(const sim::Board_options &options = {});
    sim::Board_model board;
    std::vector<std::pair<double, QByteArray>> writes;  // time and bytes of every write

    void set_device(const QString &device) override { device_ = device; }
    QString device() const override { return device_; }
    void open() override;
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
    struct Pending {
        double at;
        QByteArray bytes;
    };
    std::deque<Pending> pending_;
    QByteArray buffer_;
    QString device_;
    bool open_ = false;
    int last_event_ = 0;
};

// Installs a Sim_port as the program's (open) port while the object lives.
class Sim_port_scope {
public:
    explicit Sim_port_scope(const sim::Board_options &options = {});
    ~Sim_port_scope();
    Sim_port &port;
};

} // namespace test
