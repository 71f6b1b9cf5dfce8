#include "fake_port.h"

#include "platform/clock.h"

#include <QThread>

namespace test {

void Fake_port::arrive(const QByteArray &bytes, double delay_s)
{
    pending_.push_back({platform::now_seconds() + delay_s, bytes});
}

void Fake_port::open()
{
    if (fail_open)
        throw platform::Port_fault{platform::fault_open_failed, QStringLiteral("No such file or directory")};
    open_ = true;
}

void Fake_port::check()
{
    if (!open_)
        throw platform::Port_fault{platform::fault_not_open, QStringLiteral("port is not open")};
    if (fail_all) {
        last_event_ = 9;
        throw platform::Port_fault{platform::fault_io, QStringLiteral("device gone")};
    }
}

void Fake_port::settle()
{
    const double now = platform::now_seconds();
    while (!pending_.empty() && pending_.front().at <= now) {
        buffer_ += pending_.front().bytes;
        pending_.pop_front();
    }
}

void Fake_port::configure_line()
{
    check();
    if (fail_rts)
        last_event_ = 0;  // a line without modem signals: not a fault
}

void Fake_port::flush_input()
{
    check();
    settle();
    buffer_.clear();
    ++flushes;
}

int Fake_port::bytes_waiting()
{
    check();
    settle();
    return int(buffer_.size());
}

void Fake_port::write(const QByteArray &bytes)
{
    check();
    writes.push_back({platform::now_seconds(), bytes});
    if (on_write)
        on_write(*this, bytes);
}

QByteArray Fake_port::read_all()
{
    check();
    settle();
    QByteArray out = buffer_;
    buffer_.clear();
    return out;
}

bool Fake_port::wait_for_bytes(int count, int timeout_ms)
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

QByteArray Fake_port::written() const
{
    QByteArray all;
    for (const Write &w : writes)
        all += w.bytes;
    return all;
}

Fake_port_scope::Fake_port_scope() : port(*new Fake_port)
{
    platform::set_port(std::unique_ptr<platform::Serial_port>(&port));
}

Fake_port_scope::~Fake_port_scope() { platform::set_port(nullptr); }

} // namespace test
