#include "link/trace.h"

#include "platform/clock.h"
#include "platform/latency_timer.h"
#include "platform/serial_port.h"
#include "session/version.h"

#include <QDateTime>

namespace comm {
namespace {
QByteArray hex(const QByteArray &bytes) { return bytes.isEmpty() ? QByteArrayLiteral("-") : bytes.toHex(' ').toUpper(); }

QByteArray milliseconds(double since) { return QByteArray::number(qint64((platform::now_seconds() - since) * 1000.0)); }
} // namespace

std::shared_ptr<Trace> Trace::open(const QString &path, QString &failure)
{
    std::shared_ptr<Trace> t(new Trace);
    failure = t->file_.open(path);
    if (!failure.isEmpty())
        return {};
    t->started_ = platform::now_seconds();
    t->on_ = true;
    t->write_line("trace started " + QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8() + ", Qorvil "
                  + session::version_text().toUtf8());
    return t;
}

Trace::~Trace()
{
    if (on_)
        file_.append_line(milliseconds(started_) + " trace stopped");
}

void Trace::write_line(const QByteArray &text)
{
    if (on_ && !file_.append_line(milliseconds(started_) + ' ' + text)) {
        on_ = false;
        file_.close();
    }
}

void Trace::finish(const QByteArray &outcome)
{
    open_ = false;
    write_line(routine_ + " sent " + hex(sent_) + " got " + hex(got_) + ' ' + outcome);
}

void Trace::begin(const char *routine, char command)
{
    open_ = true;
    routine_ = routine;
    if (command)
        routine_ += QByteArray(":") + command;
    sent_.clear();
    got_.clear();
    sent_at_ = platform::now_seconds();
}

void Trace::sent(const QByteArray &bytes)
{
    sent_ += bytes;
    sent_at_ = platform::now_seconds();
}

void Trace::received(const QByteArray &bytes) { got_ += bytes; }

void Trace::end(platform::Serial_port &port, int expected, bool arrived, const char *note)
{
    if (!open_)
        return;
    got_ += port.peek_all();
    if (note)
        finish(note);
    else if (!arrived)
        finish("time-out after " + milliseconds(sent_at_) + " ms");
    else
        finish(got_.size() > expected ? "extra bytes" : "ok");
}

void Trace::fault(platform::Serial_port &port, const QString &reason)
{
    if (!open_)
        return;
    got_ += port.peek_all();
    finish("port fault: " + reason.toUtf8());
}

void Trace::probe(const QString &device, const QByteArray &sent, const QByteArray &got, const QString &outcome)
{
    write_line("probe " + device.toUtf8() + " sent " + hex(sent) + " got " + hex(got) + ' ' + outcome.toUtf8());
}

void Trace::port_opened(platform::Serial_port &port)
{
    const QByteArray device = port.device().toUtf8();
    const platform::Low_latency low = port.low_latency();
    write_line("open " + device + " low-latency "
               + (low.state == platform::Low_latency::granted   ? QByteArrayLiteral("on")
                  : low.state == platform::Low_latency::refused ? "refused: " + low.reason.toUtf8()
                                                                : QByteArrayLiteral("not offered")));
    if (const auto ms = slow_adapter_timer_ms(port.device()))
        write_line("open " + device + " adapter latency timer " + QByteArray::number(*ms)
                   + " ms holds every reply back: set it to 1 ms (see the help)");
}

QString start_trace(session::Session &s, const QString &path)
{
    s.trace.reset();
    QString failure;
    s.trace = Trace::open(path, failure);
    return failure;
}

void stop_trace(session::Session &s) { s.trace.reset(); }

std::optional<int> slow_adapter_timer_ms(const QString &device)
{
    const auto ms = platform::latency_timer_ms(device);
    return ms && *ms > 2 ? ms : std::nullopt;
}

} // namespace comm
