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
    Set_status_text(panel, [text] { return text; });
}

void Session::Set_status_text(Panel panel, std::function<QString()> make)
{
    makers_[size_t(panel)] = std::move(make);
    status_[size_t(panel)] = makers_[size_t(panel)]();
    listener_->status_changed(panel, status_[size_t(panel)]);
}

void Session::retranslate_status()
{
    for (size_t i = 0; i < makers_.size(); ++i)
        if (makers_[i]) {
            status_[i] = makers_[i]();
            listener_->status_changed(Panel(i), status_[i]);
        }
}

} // namespace session
