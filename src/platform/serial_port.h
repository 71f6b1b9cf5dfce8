#pragma once
// The serial port as the link sees it: a small set of operations that either
// succeed or raise a Port_fault carrying a numeric code and the system's reason.

#include "platform/low_latency.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace platform {

// Fault codes shown in the communication-error report.
enum Fault_code {
    fault_none = 0,
    fault_not_open = 8002,      // operation on a closed port
    fault_open_failed = 8005,   // the device does not exist, is busy or not permitted
    fault_io = 8010,            // read or write failed (device gone, line error)
    fault_bad_value = 13,       // a value that does not convert (payload text)
    fault_index = 9,            // an index outside its array
};

struct Port_fault {
    int code = fault_none;
    QString reason;
};

class Serial_port {
public:
    virtual ~Serial_port() = default;

    // The device to open next ("/dev/ttyUSB0", or "COM3" on Windows).
    virtual void set_device(const QString &device) = 0;
    virtual QString device() const = 0;

    virtual void open() = 0;                 // throws Port_fault
    virtual void close() = 0;                // never throws
    virtual bool is_open() const = 0;

    // 19200 baud, no parity, 8 data bits, 1 stop bit, no flow control, RTS on.
    // A line that has no modem signals (a pseudo-terminal) keeps working.
    virtual void configure_line() = 0;       // throws Port_fault

    virtual void flush_input() = 0;          // throws Port_fault
    virtual int bytes_waiting() = 0;         // throws Port_fault
    virtual void write(const QByteArray &bytes) = 0;  // throws Port_fault
    virtual QByteArray read_all() = 0;       // throws Port_fault

    // The bytes waiting, left waiting; never throws. A port that cannot look shows none.
    virtual QByteArray peek_all() { return {}; }

    // What became of the request for low-latency mode at the last open.
    virtual Low_latency low_latency() const { return {}; }

    // Blocks until at least `count` bytes are waiting or `timeout_ms` has passed.
    // Returns whether the count was reached. Throws Port_fault when the port fails.
    virtual bool wait_for_bytes(int count, int timeout_ms) = 0;

    // Code of the last error or event seen on the line (0 = none).
    virtual int last_event() const = 0;
};

// A port on the system's serial devices. Every session has a port of its own; tests give
// theirs another implementation.
std::unique_ptr<Serial_port> make_system_port();

} // namespace platform
