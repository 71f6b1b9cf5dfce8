#include "desktop/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace desktop {
namespace {
Responder &responder_slot()
{
    static Responder r;
    return r;
}

QMessageBox::Icon to_qt(Icon icon)
{
    switch (icon) {
    case Icon::information: return QMessageBox::Information;
    case Icon::exclamation: return QMessageBox::Warning;
    case Icon::critical: return QMessageBox::Critical;
    case Icon::question: return QMessageBox::Question;
    case Icon::none: break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

void set_message_responder(Responder responder) { responder_slot() = std::move(responder); }

Answer show_message(const Message &message, QWidget *parent)
{
    if (responder_slot())
        return responder_slot()(message);

    // The texts end their lines with a lone carriage return; show them as lines.
    QString text = message.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');

    QMessageBox box(to_qt(message.icon), message.title, text, QMessageBox::NoButton,
                    parent ? parent : QApplication::activeWindow());
    switch (message.buttons) {
    case Buttons::ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::ok_cancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::yes_no:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::ok;
    case QMessageBox::Yes: return Answer::yes;
    case QMessageBox::No: return Answer::no;
    default: return message.buttons == Buttons::ok ? Answer::ok : Answer::cancel;
    }
}

} // namespace desktop
