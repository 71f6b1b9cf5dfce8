#pragma once
// A serial port whose incoming bytes are queued with the time they become available:
// the common part of the ports the tests play.

#include "platform/serial_port.h"

#include <QByteArray>
#include <deque>

namespace test {

class Queued_port : public platform::Serial_port {
public:
    // Makes `bytes` arrive `delay_s` seconds from now.
    void arrive(const QByteArray &bytes, double delay_s = 0);

    void set_device(const QString &device) override { device_name = device; }
    QString device() const override { return device_name; }
    void close() override { open_ = false; }
    bool is_open() const override { return open_; }
    void configure_line() override { check(); }
    void flush_input() override;
    int bytes_waiting() override;
    QByteArray read_all() override;
    bool wait_for_bytes(int count, int timeout_ms) override;
    int last_event() const override { return last_event_; }

    QString device_name;
    bool open_ = false;
    int flushes = 0;
    int waits = 0;  // calls of wait_for_bytes

protected:
    // Throws the fault of a port that cannot be used now.
    virtual void check();
    int last_event_ = 0;

private:
    void settle();
    struct Pending {
        double at;
        QByteArray bytes;
    };
    std::deque<Pending> pending_;
    QByteArray buffer_;
};

} // namespace test
