#include "platform/low_latency.h"

#include <QSerialPort>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstring>
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace platform {

#ifdef Q_OS_LINUX
namespace {
Low_latency refused() { return {Low_latency::refused, QString::fromLocal8Bit(std::strerror(errno))}; }
} // namespace

Low_latency request_low_latency(QSerialPort &port)
{
    const auto fd = port.handle();
    serial_struct serial{};
    if (::ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return refused();
    if (!(serial.flags & ASYNC_LOW_LATENCY)) {
        // Everything else goes back as the driver gave it, so no privilege is needed.
        serial.flags |= ASYNC_LOW_LATENCY;
        if (::ioctl(fd, TIOCSSERIAL, &serial) != 0)
            return refused();
        if (::ioctl(fd, TIOCGSERIAL, &serial) != 0)
            return refused();
        if (!(serial.flags & ASYNC_LOW_LATENCY))
            return {Low_latency::refused, QStringLiteral("the driver keeps its latency")};
    }
    return {Low_latency::granted, {}};
}
#else
Low_latency request_low_latency(QSerialPort &) { return {}; }
#endif

} // namespace platform
