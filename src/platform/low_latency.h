#pragma once
// Low-latency mode of a serial device: a USB serial adapter then hands over received
// bytes at once instead of holding them for its latency timer (16 ms on FTDI chips).

#include <QString>

class QSerialPort;

namespace platform {

struct Low_latency {
    enum State { not_asked, granted, refused } state = not_asked;
    QString reason;  // why it was refused
};

// Asks the driver behind the open `port` for low-latency mode. Needs no
// privileges; where the system or the driver offers no such mode the answer is
// `refused` (or `not_asked` on systems without the request) and nothing changes.
Low_latency request_low_latency(QSerialPort &port);

} // namespace platform
