#include "platform/async_serial_port.h"

#include "platform/low_latency.h"

#include "platform/serial_line.h"

#include <QSerialPort>

namespace platform {

Async_serial_port::Async_serial_port() : port_(std::make_unique<QSerialPort>())
{
    QObject::connect(port_.get(), &QSerialPort::readyRead, port_.get(), [this] {
        const QByteArray bytes = port_->readAll();
        if (on_bytes && !bytes.isEmpty())
            on_bytes(bytes);
    });
    QObject::connect(port_.get(), &QSerialPort::errorOccurred, port_.get(), [this](QSerialPort::SerialPortError e) {
        if (e == QSerialPort::NoError || e == QSerialPort::TimeoutError || !port_->isOpen())
            return;
        const QString reason = port_->errorString();
        port_->clearError();
        if (on_failure)
            on_failure(reason);
    });
}

Async_serial_port::~Async_serial_port() { close(); }

QString Async_serial_port::open(const QString &device)
{
    close();
    port_->setPortName(device);
    QString reason;
    if (!port_->open(QIODevice::ReadWrite))
        reason = open_failure(*port_, device);
    else if (!set_board_line(*port_)) {
        reason = port_->errorString();
        port_->close();
    } else {
        request_low_latency(*port_);  // as every open of a board's port does
        port_->clear(QSerialPort::Input);
    }
    port_->clearError();
    return reason;
}

void Async_serial_port::close()
{
    if (port_->isOpen())
        port_->close();
    port_->clearError();
}

bool Async_serial_port::is_open() const { return port_->isOpen(); }

void Async_serial_port::write(const QByteArray &bytes)
{
    if (port_->isOpen() && port_->write(bytes) != bytes.size() && on_failure)
        on_failure(port_->errorString());
}

} // namespace platform
