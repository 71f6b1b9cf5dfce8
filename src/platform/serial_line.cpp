#include "platform/serial_line.h"

#include <QCoreApplication>
#include <QFile>
#include <QSerialPort>

#include <unistd.h>

namespace platform {

bool set_board_line(QSerialPort &port)
{
    const bool ok = port.setBaudRate(QSerialPort::Baud19200) && port.setDataBits(QSerialPort::Data8)
                    && port.setParity(QSerialPort::NoParity) && port.setStopBits(QSerialPort::OneStop)
                    && port.setFlowControl(QSerialPort::NoFlowControl);
    if (ok && !port.setRequestToSend(true))
        port.clearError();
    return ok;
}

QString open_failure(const QSerialPort &port, const QString &device)
{
    if (port.error() == QSerialPort::PermissionError && ::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0)
        return QCoreApplication::translate("platform", "the port is in use by another program");
    return port.errorString();
}

} // namespace platform
