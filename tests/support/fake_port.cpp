#include "fake_port.h"

#include "platform/clock.h"

namespace test {

void Fake_port::open()
{
    if (fail_open)
        throw platform::Port_fault{platform::fault_open_failed, QStringLiteral("No such file or directory")};
    open_ = true;
}

void Fake_port::check()
{
    Queued_port::check();
    if (fail_all) {
        last_event_ = 9;
        throw platform::Port_fault{platform::fault_io, QStringLiteral("device gone")};
    }
}

void Fake_port::write(const QByteArray &bytes)
{
    check();
    writes.push_back({platform::now_seconds(), bytes});
    if (on_write)
        on_write(*this, bytes);
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
