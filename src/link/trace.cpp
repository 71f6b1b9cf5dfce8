#include "link/trace.h"

#include "platform/append_file.h"
#include "platform/clock.h"
#include "platform/latency_timer.h"
#include "platform/serial_port.h"
#include "state/version.h"

#include <QDateTime>

namespace comm {
namespace {

struct Exchange {
    bool open = false;
    QByteArray routine;
    QByteArray sent, got;
    double sent_at = 0;  // the last write, for the time-out's length
};

platform::Append_file file;
QString target;
double started = 0;
Exchange current;

QByteArray hex(const QByteArray &bytes) { return bytes.isEmpty() ? QByteArrayLiteral("-") : bytes.toHex(' ').toUpper(); }

void write_line(const QByteArray &text)
{
    const qint64 ms = qint64((platform::now_seconds() - started) * 1000.0);
    // A full disk ends the trace, not the work.
    if (!file.append_line(QByteArray::number(ms) + ' ' + text))
        stop_trace();
}

void finish(const QByteArray &outcome)
{
    current.open = false;
    write_line(current.routine + " sent " + hex(current.sent) + " got " + hex(current.got) + ' ' + outcome);
}

} // namespace

QString start_trace(const QString &path)
{
    stop_trace();
    if (const QString error = file.open(path); !error.isEmpty())
        return error;
    target = path;
    const QByteArray header = "trace started " + QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8()
                              + ", Qorvil " + state::version_text().toUtf8();
    started = platform::now_seconds();
    current = {};
    trace_detail::on = true;
    write_line(header);
    return {};
}

void stop_trace()
{
    if (!trace_detail::on)
        return;
    trace_detail::on = false;
    file.append_line(QByteArray::number(qint64((platform::now_seconds() - started) * 1000.0)) + " trace stopped");
    file.close();
}

QString trace_path() { return trace_detail::on ? target : QString(); }

void trace_begin(const char *routine, char command)
{
    current = {};
    current.open = true;
    current.routine = routine;
    if (command)
        current.routine += QByteArray(":") + command;
    current.sent_at = platform::now_seconds();
}

void trace_sent(const QByteArray &bytes)
{
    current.sent += bytes;
    current.sent_at = platform::now_seconds();
}

void trace_received(const QByteArray &bytes) { current.got += bytes; }

void trace_end(int expected, bool arrived, const char *note)
{
    if (!current.open)
        return;
    current.got += platform::port().peek_all();
    if (note)
        finish(note);
    else if (!arrived)
        finish("time-out after " + QByteArray::number(qint64((platform::now_seconds() - current.sent_at) * 1000.0))
               + " ms");
    else
        finish(current.got.size() > expected ? "extra bytes" : "ok");
}

void trace_fault(const QString &reason)
{
    if (!current.open)
        return;
    current.got += platform::port().peek_all();
    finish("port fault: " + reason.toUtf8());
}

void trace_probe(const QString &device, const QByteArray &sent, const QByteArray &got, const QString &outcome)
{
    write_line("probe " + device.toUtf8() + " sent " + hex(sent) + " got " + hex(got) + ' ' + outcome.toUtf8());
}

void trace_port_opened()
{
    auto &port = platform::port();
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

std::optional<int> slow_adapter_timer_ms(const QString &device)
{
    const auto ms = platform::latency_timer_ms(device);
    return ms && *ms > 2 ? ms : std::nullopt;
}

} // namespace comm
