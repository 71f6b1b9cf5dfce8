#include "link/serial_link.h"

#include "link/tr.h"
#include "link/trace.h"
#include "platform/clock.h"

#include <algorithm>
#include <cmath>

namespace comm {

void send_command(session::Session &s, char command)
{
    auto &port = s.port();
    port.flush_input();
    if (Trace *t = tracing(s))
        t->sent(QByteArray(1, command));
    port.write(QByteArray(1, command));
}

void send_payload_byte(session::Session &s, uint8_t value)
{
    s.Link.comxx_Put_buffer = QByteArray(1, char(value));
    if (Trace *t = tracing(s))
        t->sent(s.Link.comxx_Put_buffer);
    s.port().write(s.Link.comxx_Put_buffer);
}

void start_reply_clock(session::Session &s) { s.Link.comxx_Start_time = platform::now_seconds(); }

Wait wait_reply(session::Session &s, int count, double limit_s, bool yields)
{
    auto &port = s.port();
    for (;;) {
        if (port.bytes_waiting() >= count)
            return Wait::arrived;
        if (yields)
            platform::yield_events();
        if (s.stopping())
            return Wait::stopped;
        const double elapsed = platform::now_seconds() - s.Link.comxx_Start_time;
        if (elapsed > limit_s)
            return Wait::timed_out;
        // Block on the port for the rest of the limit, waking up often enough to hear a stop
        // request, and, in a yielding wait, to keep the windows responsive.
        const int left_ms = int(std::ceil((limit_s - elapsed) * 1000.0)) + 1;
        port.wait_for_bytes(count, std::min(left_ms, yields ? 15 : 100));
    }
}

void read_reply(session::Session &s)
{
    s.Link.comxx_Get_buffer = s.port().read_all();
    if (Trace *t = tracing(s))
        t->received(s.Link.comxx_Get_buffer);
}

void apply_ack_rule(session::Session &s)
{
    if (s.port().bytes_waiting() == 1) {
        read_reply(s);
        const uint8_t b = uint8_t(s.Link.comxx_Get_buffer.isEmpty() ? 0 : s.Link.comxx_Get_buffer.at(0));
        show_reply_fields(s, char_form(b), QString(), QString());
    } else {
        show_reply_fields(s, Tr::tr("No data"), QString(), QString());
    }
}

QString char_form(uint8_t byte) { return QString(QChar(byte)); }
QString hex_form(uint8_t byte) { return QString::number(byte, 16).toUpper(); }
QString decimal_form(uint8_t byte) { return QString::number(byte); }

void show_reply_fields(session::Session &s, const QString &hi, const QString &low, const QString &trm)
{
    s.text_in_hi = hi;
    s.text_in_low = low;
    s.text_in_trm = trm;
    s.show(session::reply);
}

QString fault_report_title() { return Tr::tr("通信ｴﾗｰ"); }

QString fault_report_text(session::Session &s, const platform::Port_fault &fault, const char *routine,
                          const Fault_detail &detail)
{
    QString text = Tr::tr("通信エラーが発生しました。") + '\r';
    text += Tr::tr("LOCATION:   ") + QLatin1String(routine) + '\r';
    text += Tr::tr("ERR.NUMBER: ") + QString::number(fault.code) + '\r';
    text += Tr::tr("CommEvent:  ") + QString::number(s.port().last_event()) + '\r';
    if (detail.buffer_count)
        text += Tr::tr("InBufferCount:  ") + QString::number(*detail.buffer_count) + '\r';
    if (detail.step)
        text += Tr::tr("N:  ") + QString::number(*detail.step) + '\r';
    return text;
}

void report_fault(session::Session &s, const platform::Port_fault &fault, const char *routine,
                  const Fault_detail &detail)
{
    s.listener().board_faulted(fault_report_text(s, fault, routine, detail));
    s.Link.comxx_error = 1;
}

int bytes_waiting_or_zero(session::Session &s)
{
    try {
        return s.port().bytes_waiting();
    } catch (const platform::Port_fault &) {
        return 0;
    }
}

} // namespace comm
