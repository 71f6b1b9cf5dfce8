#pragma once
// A serial port driven by the event loop, for handling many ports at once: nothing blocks,
// arrivals and line failures are reported through callbacks.

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class QSerialPort;

namespace platform {

class Async_serial_port {
public:
    Async_serial_port();
    ~Async_serial_port();  // closes the port
    Async_serial_port(const Async_serial_port &) = delete;
    Async_serial_port &operator=(const Async_serial_port &) = delete;

    // Opens the device with the board's line settings and discards what was waiting.
    // Returns an empty text on success, otherwise the system's reason (busy, permission
    // denied, no such device); a port that did not open is not touched again.
    QString open(const QString &device);
    void close();
    bool is_open() const;

    // Queues the bytes; they leave as the event loop runs.
    void write(const QByteArray &bytes);

    // Called with every chunk that arrives, and when the line fails (device gone, write
    // error) with the system's reason. The object must not be destroyed from inside them.
    std::function<void(const QByteArray &)> on_bytes;
    std::function<void(const QString &)> on_failure;

private:
    std::unique_ptr<QSerialPort> port_;
};

} // namespace platform
