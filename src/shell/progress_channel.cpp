#include "shell/progress_channel.h"

#include <QCoreApplication>
#include <cstdio>

namespace shell {
namespace {
bool channel_open = false;
}

void open_progress_channel() { channel_open = true; }
bool progress_channel_open() { return channel_open; }

void send_on_channel(const char *keyword, const QString &text)
{
    QString line = text;
    line.replace('\n', ' ').replace('\r', ' ');
    std::fputs((QLatin1String(keyword) + ' ' + line + '\n').toUtf8().constData(), stdout);
    std::fflush(stdout);
}

Channel_line parse_channel_line(const QByteArray &line)
{
    const QString text = QString::fromUtf8(line);
    return {text.section(' ', 0, 0), text.section(' ', 1)};
}

QString format_run_report(const Run_report &r)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(r.status)
        .arg(r.milliseconds)
        .arg(r.serial.isEmpty() ? QStringLiteral("-") : r.serial, r.result);
}

std::optional<Run_report> parse_run_report(const QString &text)
{
    Run_report r;
    bool status_ok = false, ms_ok = false;
    r.status = text.section(' ', 0, 0).toInt(&status_ok);
    r.milliseconds = text.section(' ', 1, 1).toLongLong(&ms_ok);
    r.serial = text.section(' ', 2, 2);
    if (r.serial == QLatin1String("-"))
        r.serial.clear();
    r.result = text.section(' ', 3);
    if (!status_ok || !ms_ok || r.result.isEmpty())
        return std::nullopt;
    return r;
}

QString run_summary(const Run_report &r)
{
    const QString seconds = QString::number(double(r.milliseconds) / 1000.0, 'f', 1);
    return r.serial.isEmpty()
               ? QCoreApplication::translate("shell", "%1, %2 s").arg(r.result, seconds)
               : QCoreApplication::translate("shell", "%1, serial %2, %3 s").arg(r.result, r.serial, seconds);
}

} // namespace shell
