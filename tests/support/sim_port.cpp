#include "sim_port.h"

#include "platform/clock.h"

#include <QThread>

namespace test {

Sim_port::Sim_port(const sim::Board_options &options) : board(options) {}

void Sim_port::check()
{
    if (!open_)
        throw platform::Port_fault{platform::fault_not_open, QStringLiteral("port is not open")};
    if (board.hung_up()) {
        last_event_ = 1010;
        open_ = false;
        throw platform::Port_fault{platform::fault_io, QStringLiteral("Input/output error")};
    }
}

void Sim_port::open()
{
    if (board.hung_up())
        throw platform::Port_fault{platform::fault_open_failed, QStringLiteral("No such file or directory")};
    open_ = true;
}

void Sim_port::settle()
{
    const double now = platform::now_seconds();
    while (!pending_.empty() && pending_.front().at <= now) {
        buffer_ += pending_.front().bytes;
        pending_.pop_front();
    }
}

void Sim_port::flush_input()
{
    check();
    settle();
    buffer_.clear();
}

int Sim_port::bytes_waiting()
{
    check();
    settle();
    return int(buffer_.size());
}

void Sim_port::write(const QByteArray &bytes)
{
    check();
    const double now = platform::now_seconds();
    writes.emplace_back(now, bytes);
    for (const sim::Output &o : board.receive(std::string_view(bytes.constData(), size_t(bytes.size())), now))
        pending_.push_back({now + o.delay_s, QByteArray(o.bytes.data(), int(o.bytes.size()))});
}

QByteArray Sim_port::read_all()
{
    check();
    settle();
    QByteArray out = buffer_;
    buffer_.clear();
    return out;
}

bool Sim_port::wait_for_bytes(int count, int timeout_ms)
{
    check();
    const double end = platform::now_seconds() + timeout_ms / 1000.0;
    for (;;) {
        settle();
        if (buffer_.size() >= count)
            return true;
        const double now = platform::now_seconds();
        if (now >= end)
            return false;
        double next = end;
        if (!pending_.empty() && pending_.front().at < next)
            next = pending_.front().at;
        QThread::usleep(static_cast<unsigned long>(std::max(0.0, next - now) * 1e6) + 50);
    }
}

Sim_port_scope::Sim_port_scope(const sim::Board_options &options) : port(*new Sim_port(options))
{
    port.open();
    platform::set_port(std::unique_ptr<platform::Serial_port>(&port));
}

Sim_port_scope::~Sim_port_scope() { platform::set_port(nullptr); }

} // namespace test
