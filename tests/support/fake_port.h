#pragma once
// A serial port played by the test: replies are queued with the time they become
// available, every write is recorded with its time, and faults can be armed.

#include "platform/serial_port.h"

#include <QByteArray>
#include <deque>
#include <functional>
#include <vector>

namespace test {

class Fake_port final : public platform::Serial_port {
public:
    struct Write {
        double at;  // platform::now_seconds() when written
        QByteArray bytes;
    };

    // What the "board" answers to each write; return the reply chunks.
    std::function<void(Fake_port &, const QByteArray &)> on_write;

    // Makes `bytes` arrive `delay_s` seconds from now.
    void arrive(const QByteArray &bytes, double delay_s = 0);

    std::vector<Write> writes;
    bool fail_open = false;
    bool fail_rts = false;
    bool fail_all = false;  // every operation on the open port faults (device gone)
    int flushes = 0;
    int waits = 0;          // calls of wait_for_bytes
    QString device_name;
    bool open_ = false;

    void set_device(const QString &device) override { device_name = device; }
    QString device() const override { return device_name; }
    void open() override;
    void close() override { open_ = false; }
    bool is_open() const override { return open_; }
    void configure_line() override;
    void flush_input() override;
    int bytes_waiting() override;
    void write(const QByteArray &bytes) override;
    QByteArray read_all() override;
    bool wait_for_bytes(int count, int timeout_ms) override;
    int last_event() const override { return last_event_; }

    // All bytes written, joined.
    QByteArray written() const;

private:
    void check();
    void settle();
    struct Pending {
        double at;
        QByteArray bytes;
    };
    std::deque<Pending> pending_;
    QByteArray buffer_;
    int last_event_ = 0;
};

// Installs a Fake_port as the program's port for the lifetime of the object.
class Fake_port_scope {
public:
    Fake_port_scope();
    ~Fake_port_scope();
    Fake_port &port;
};

} // namespace test
