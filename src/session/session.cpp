#include "session/session.h"

namespace session {

Session::Session(std::unique_ptr<platform::Serial_port> port) : port_(std::move(port)) {}

Session::~Session() = default;

platform::Serial_port &Session::port()
{
    if (!port_)
        port_ = platform::make_system_port();
    return *port_;
}

void Session::set_listener(Listener *listener) { listener_ = listener ? listener : &silent_; }

void Session::set_address(int16_t address)
{
    Address_pc = address;
    address_pc = QStringLiteral("0x") + QString::number(int(address) + 4096, 16).toUpper().right(3);
    show(session::address);
}

void Session::Set_status_text(Panel panel, const QString &text)
{
    status_[size_t(panel)] = text;
    listener_->status_changed(panel, text);
}

} // namespace session
