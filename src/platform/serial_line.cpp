#include "platform/serial_line.h"

#include <QSerialPort>

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

} // namespace platform
