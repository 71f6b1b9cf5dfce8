#include "desktop/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>

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

QString message_markup(QString text)
{
    // The texts end their lines with a lone carriage return; shown as lines.
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
    if (!text.contains('\t'))
        return text;
    // Lines in columns separated by tabs (as wide as they were on the system they were written
    // for) become a table, whose columns hold at every font, size and language.
    static const QRegularExpression tabs(QStringLiteral("\t+"));
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\">");
    for (const QString &line : text.split('\n')) {
        html += QStringLiteral("<tr>");
        const QStringList cells = line.split(tabs);
        for (int i = 0; i < cells.size(); ++i)
            html += QStringLiteral("<td style=\"padding-right: 1.5em; white-space: pre\"%1>%2</td>")
                        .arg(cells.size() == 1 ? QStringLiteral(" colspan=\"9\"") : QString(),
                             cells[i].trimmed().toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

Answer show_message(const Message &message, QWidget *parent)
{
    if (responder_slot())
        return responder_slot()(message);

    QMessageBox box(to_qt(message.icon), message.title, QString(), QMessageBox::NoButton,
                    parent ? parent : QApplication::activeWindow());
    const QString text = message_markup(message.text);
    box.setTextFormat(text.startsWith(QLatin1String("<table")) ? Qt::RichText : Qt::PlainText);
    box.setText(text);
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
