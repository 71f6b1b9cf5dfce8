#include "link/serial_link.h"

#include "link/tr.h"

#include "link/trace.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "state/frm_main.h"
#include "state/frm_msg.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QLineEdit>

#include <algorithm>
#include <cmath>

namespace comm {

void send_command(char command)
{
    auto &port = platform::port();
    port.flush_input();
    if (tracing())
        trace_sent(QByteArray(1, command));
    port.write(QByteArray(1, command));
}

void send_payload_byte(uint8_t value)
{
    state::Link.comxx_Put_buffer = QByteArray(1, char(value));
    if (tracing())
        trace_sent(state::Link.comxx_Put_buffer);
    platform::port().write(state::Link.comxx_Put_buffer);
}

void start_reply_clock() { state::Link.comxx_Start_time = platform::now_seconds(); }

bool wait_reply(int count, double limit_s, bool yields)
{
    auto &port = platform::port();
    for (;;) {
        if (port.bytes_waiting() >= count)
            return true;
        if (yields)
            platform::yield_events();
        const double elapsed = platform::now_seconds() - state::Link.comxx_Start_time;
        if (elapsed > limit_s)
            return false;
        // Block on the port for the rest of the limit; a yielding wait wakes up often
        // enough to keep the window responsive.
        int left_ms = int(std::ceil((limit_s - elapsed) * 1000.0)) + 1;
        if (yields)
            left_ms = std::min(left_ms, 15);
        port.wait_for_bytes(count, left_ms);
    }
}

void read_reply()
{
    state::Link.comxx_Get_buffer = platform::port().read_all();
    if (tracing())
        trace_received(state::Link.comxx_Get_buffer);
}

void apply_ack_rule()
{
    auto &port = platform::port();
    if (port.bytes_waiting() == 1) {
        read_reply();
        const uint8_t b = uint8_t(state::Link.comxx_Get_buffer.isEmpty() ? 0 : state::Link.comxx_Get_buffer.at(0));
        show_reply_fields(char_form(b), QString(), QString());
    } else {
        show_reply_fields(Tr::tr("No data"), QString(), QString());
    }
}

QString char_form(uint8_t byte) { return QString(QChar(byte)); }
QString hex_form(uint8_t byte) { return QString::number(byte, 16).toUpper(); }
QString decimal_form(uint8_t byte) { return QString::number(byte); }

void show_reply_fields(const QString &hi, const QString &low, const QString &trm)
{
    auto &w = state::frmMain();
    w.text_in_hi->setText(hi);
    w.text_in_low->setText(low);
    w.text_in_trm->setText(trm);
}

QString fault_report_text(const platform::Port_fault &fault, const char *routine, const Fault_detail &detail)
{
    QString text = Tr::tr("通信エラーが発生しました。") + '\r';
    text += Tr::tr("LOCATION:   ") + QLatin1String(routine) + '\r';
    text += Tr::tr("ERR.NUMBER: ") + QString::number(fault.code) + '\r';
    text += Tr::tr("CommEvent:  ") + QString::number(platform::port().last_event()) + '\r';
    if (detail.buffer_count)
        text += Tr::tr("InBufferCount:  ") + QString::number(*detail.buffer_count) + '\r';
    if (detail.step)
        text += Tr::tr("N:  ") + QString::number(*detail.step) + '\r';
    return text;
}

void report_fault(const platform::Port_fault &fault, const char *routine, const Fault_detail &detail)
{
    if (state::frmMsg_loaded())
        state::frmMsg().hide();
    platform::show_message({platform::Icon::information, Tr::tr("通信ｴﾗｰ"),
                            fault_report_text(fault, routine, detail), platform::Buttons::ok},
                           &state::frmMain());
    state::Link.comxx_error = 1;
}

int bytes_waiting_or_zero()
{
    try {
        return platform::port().bytes_waiting();
    } catch (const platform::Port_fault &) {
        return 0;
    }
}

} // namespace comm
