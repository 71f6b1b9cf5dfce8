#include "sim_port.h"

#include "platform/clock.h"

namespace test {

Sim_port::Sim_port(const sim::Board_options &options) : board(options) {}

void Sim_port::check()
{
    Queued_port::check();
    if (board.hung_up()) {
        // The device has gone away, as an unplugged USB adapter does.
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

void Sim_port::write(const QByteArray &bytes)
{
    check();
    const double now = platform::now_seconds();
    writes.emplace_back(now, bytes);
    for (const sim::Output &o : board.receive(std::string_view(bytes.constData(), size_t(bytes.size())), now))
        arrive(QByteArray(o.bytes.data(), int(o.bytes.size())), o.delay_s);
}

Sim_port_scope::Sim_port_scope(const sim::Board_options &options) : port(*new Sim_port(options))
{
    port.open();
    platform::set_port(std::unique_ptr<platform::Serial_port>(&port));
}

Sim_port_scope::~Sim_port_scope() { platform::set_port(nullptr); }

} // namespace test
