#pragma once
// The board's line on a Qt serial port: 19200 baud, 8 data bits, no parity, one stop bit,
// no flow control, RTS on.

class QSerialPort;
class QString;

namespace platform {

// Applies the line settings to an open port. Returns false when the port refuses one of
// them; a line without an RTS wire (a pseudo-terminal, a three-wire adapter) is no failure.
bool set_board_line(QSerialPort &port);

// Why `port` could not be opened on `device`. The system says "permission" both for a device
// we may not use and for one that another program holds; the second is said as such.
QString open_failure(const QSerialPort &port, const QString &device);

} // namespace platform
