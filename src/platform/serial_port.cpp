#include "platform/serial_port.h"

#include "platform/serial_line.h"

#include <QElapsedTimer>
#include <QSerialPort>

namespace platform {
namespace {

class Qt_serial_port final : public Serial_port {
public:
    void set_device(const QString &device) override { device_ = device; }
    QString device() const override { return device_; }

    void open() override
    {
        if (port_.isOpen())
            return;
        port_.setPortName(device_);
        low_latency_ = {};
        if (!port_.open(QIODevice::ReadWrite)) {
            last_event_ = port_.error();
            const QString reason = open_failure(port_, device_);
            port_.clearError();
            throw Port_fault{fault_open_failed, reason};
        }
        last_event_ = 0;
        low_latency_ = request_low_latency(port_);
    }

    void close() override
    {
        if (port_.isOpen())
            port_.close();
        port_.clearError();
    }

    bool is_open() const override { return port_.isOpen(); }

    void configure_line() override
    {
        require_open();
        if (!set_board_line(port_))
            fail(fault_io);
    }

    void flush_input() override
    {
        require_open();
        pull();
        port_.clear(QSerialPort::Input);
        port_.readAll();  // whatever the driver delivered while clearing
        check();
    }

    int bytes_waiting() override
    {
        require_open();
        pull();
        return int(port_.bytesAvailable());
    }

    void write(const QByteArray &bytes) override
    {
        require_open();
        if (port_.write(bytes) != bytes.size())
            fail(fault_io);
        // The board is slow and the exchange is strictly alternating: send now.
        QElapsedTimer t;
        t.start();
        while (port_.bytesToWrite() > 0) {
            if (!port_.waitForBytesWritten(1000) || t.elapsed() > 5000) {
                check();
                if (port_.bytesToWrite() > 0)
                    fail(fault_io);
            }
        }
        check();
    }

    QByteArray read_all() override
    {
        require_open();
        pull();
        QByteArray bytes = port_.readAll();
        check();
        return bytes;
    }

    QByteArray peek_all() override { return port_.isOpen() ? port_.peek(port_.bytesAvailable()) : QByteArray(); }

    Low_latency low_latency() const override { return low_latency_; }

    bool wait_for_bytes(int count, int timeout_ms) override
    {
        require_open();
        QElapsedTimer t;
        t.start();
        pull();
        while (port_.bytesAvailable() < count) {
            const int left = timeout_ms - int(t.elapsed());
            if (left <= 0)
                break;
            if (!port_.waitForReadyRead(left))
                check();
        }
        return port_.bytesAvailable() >= count;
    }

    int last_event() const override { return last_event_; }

private:
    void require_open()
    {
        if (!port_.isOpen())
            throw Port_fault{fault_not_open, QStringLiteral("port is not open")};
    }

    // Moves what the driver holds into the port's buffer without blocking.
    void pull()
    {
        port_.waitForReadyRead(0);
        check();
    }

    // A timeout is not a fault; anything else on the line is.
    void check()
    {
        const auto e = port_.error();
        if (e == QSerialPort::NoError || e == QSerialPort::TimeoutError) {
            if (e == QSerialPort::TimeoutError)
                port_.clearError();
            return;
        }
        fail(fault_io);
    }

    [[noreturn]] void fail(int code)
    {
        last_event_ = port_.error();
        const QString reason = port_.errorString();
        port_.clearError();
        if (last_event_ == QSerialPort::ResourceError)
            port_.close();  // the device is gone
        throw Port_fault{code, reason};
    }

    QSerialPort port_;
    QString device_;
    int last_event_ = 0;
    Low_latency low_latency_;
};

} // namespace

std::unique_ptr<Serial_port> make_system_port() { return std::make_unique<Qt_serial_port>(); }

} // namespace platform
