#include "platform/clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace platform {

double now_seconds()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return double(timer.nsecsElapsed()) / 1e9;
}

void sleep_ms(int ms)
{
    if (ms > 0)
        QThread::msleep(ulong(ms));
}

void yield_events() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

QDateTime wall_time() { return QDateTime::currentDateTime(); }

QString elapsed_text(const QDateTime &start, const QDateTime &end)
{
    qint64 s = start.secsTo(end);
    if (s < 0)
        s = 0;
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600, 2, 10, QLatin1Char('0'))
        .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

} // namespace platform
