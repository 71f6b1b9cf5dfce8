#include "board_port.h"

#include "platform/clock.h"

#include <QThread>
#include <algorithm>
#include <utility>

namespace test {

void Board_port::check()
{
    if (board.hung_up()) {
        // The device has gone away, as an unplugged USB adapter does.
        last_event_ = 1010;
        open_ = false;
        throw platform::Port_fault{platform::fault_io, QStringLiteral("Input/output error")};
    }
    if (!open_)
        throw platform::Port_fault{platform::fault_not_open, QStringLiteral("port is not open")};
}

void Board_port::settle()
{
    const double now = platform::now_seconds();
    while (!pending_.empty() && pending_.front().first <= now) {
        buffer_ += pending_.front().second;
        pending_.pop_front();
    }
}

void Board_port::flush_input()
{
    check();
    settle();
    buffer_.clear();
}

int Board_port::bytes_waiting()
{
    check();
    settle();
    return int(buffer_.size());
}

void Board_port::write(const QByteArray &bytes)
{
    check();
    const double now = platform::now_seconds();
    writes.emplace_back(now, bytes);
    for (const sim::Output &o : board.receive(std::string_view(bytes.constData(), size_t(bytes.size())), now))
        pending_.emplace_back(now + o.delay_s, QByteArray(o.bytes.data(), int(o.bytes.size())));
}

QByteArray Board_port::read_all()
{
    check();
    settle();
    return std::exchange(buffer_, QByteArray());
}

bool Board_port::wait_for_bytes(int count, int timeout_ms)
{
    check();
    ++waits;
    const double end = platform::now_seconds() + timeout_ms / 1000.0;
    for (settle(); buffer_.size() < count; settle()) {
        const double now = platform::now_seconds();
        if (now >= end)
            return false;
        // Sleep until the next reply is due or the time is up, like a blocking read.
        const double next = pending_.empty() ? end : std::min(end, pending_.front().first);
        QThread::usleep(static_cast<unsigned long>(std::max(0.0, next - now) * 1e6) + 50);
    }
    return true;
}

Board_port &install_board(session::Session &s, const sim::Board_options &options)
{
    auto *port = new Board_port(options);
    s.set_port(std::unique_ptr<platform::Serial_port>(port));
    return *port;
}

} // namespace test
