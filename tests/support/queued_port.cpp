#include "queued_port.h"

#include "platform/clock.h"

#include <QThread>
#include <algorithm>

namespace test {

void Queued_port::arrive(const QByteArray &bytes, double delay_s)
{
    pending_.push_back({platform::now_seconds() + delay_s, bytes});
}

void Queued_port::check()
{
    if (!open_)
        throw platform::Port_fault{platform::fault_not_open, QStringLiteral("port is not open")};
}

void Queued_port::settle()
{
    const double now = platform::now_seconds();
    while (!pending_.empty() && pending_.front().at <= now) {
        buffer_ += pending_.front().bytes;
        pending_.pop_front();
    }
}

void Queued_port::flush_input()
{
    check();
    settle();
    buffer_.clear();
    ++flushes;
}

int Queued_port::bytes_waiting()
{
    check();
    settle();
    return int(buffer_.size());
}

QByteArray Queued_port::read_all()
{
    check();
    settle();
    QByteArray out = buffer_;
    buffer_.clear();
    return out;
}

bool Queued_port::wait_for_bytes(int count, int timeout_ms)
{
    check();
    ++waits;
    const double end = platform::now_seconds() + timeout_ms / 1000.0;
    for (;;) {
        settle();
        if (buffer_.size() >= count)
            return true;
        const double now = platform::now_seconds();
        if (now >= end)
            return false;
        // Sleep until the next byte is due or the time is up, like a blocking read.
        double next = end;
        if (!pending_.empty() && pending_.front().at < next)
            next = pending_.front().at;
        QThread::usleep(static_cast<unsigned long>(std::max(0.0, next - now) * 1e6) + 50);
    }
}

} // namespace test
