#include "link/commands.h"

#include "fuse/fuse_words.h"
#include "link/failed_exchange.h"
#include "link/serial_link.h"
#include "link/tr.h"
#include "link/trace.h"
#include "platform/clock.h"
#include "words/word_text.h"

#include <cmath>

namespace comm {
namespace {

// What a routine knows while it runs: the step it has reached, for its fault report.
struct Run {
    int step = 0;
};

enum class Report {
    plain,          // the communication-error box
    with_buffer,    // ... plus "InBufferCount:" and "N:" lines
    with_step,      // ... plus the "N:" line
    silent,         // no box: the busy window goes away, comxx_error = 1
};

using Step = void (*)(session::Session &, Run &);

// One row per command: everything in which the routines differ.
struct Command {
    const char *name;
    char character;
    int reply_bytes;
    double limit_s;
    bool yields;
    Step before;   // done before anything is written
    Step payload;  // written after the command character
    Step after;    // done with the reply
    Report report;
};

uint8_t reply_byte(const session::Session &s, int i)
{
    const QByteArray &b = s.Link.comxx_Get_buffer;
    return i < b.size() ? uint8_t(b.at(i)) : 0;
}

QString reply_word(const session::Session &s) { return words::Word_to_hex4(reply_byte(s, 0), reply_byte(s, 1)); }

void show_word_reply(session::Session &s)
{
    show_reply_fields(s, hex_form(reply_byte(s, 0)), hex_form(reply_byte(s, 1)), char_form(reply_byte(s, 2)));
}

// --- after the reply -----------------------------------------------------------------

void ack(session::Session &s, Run &) { apply_ack_rule(s); }

void gated_ack(session::Session &s, Run &)
{
    if (s.Link.comxx_Display_mode)
        apply_ack_rule(s);
}

// The two configuration-word reads: the word goes into its own text and, unless Verify is
// reading back, into the word texts and the fuse panel.
void read_config_word(session::Session &s, QString &read, QString &hex, QString &bin,
                      void (*decode)(session::Session &))
{
    read_reply(s);
    show_word_reply(s);
    read = reply_word(s);
    if (s.Verify_running == 0) {
        fuse::set_word(s, hex, bin, read);
        decode(s);
    }
}

void read_device(session::Session &s, Run &)
{
    read_config_word(s, s.Read_device_word, s.Label_device_word, s.Label_device_word_bin, fuse::Device_word_to_panel);
}

void read_fusex(session::Session &s, Run &)
{
    read_config_word(s, s.Read_fusex_word, s.Label_fusex_word, s.Label_fusex_word_bin, fuse::Fusex_word_to_panel);
}

void read_data(session::Session &s, Run &run)
{
    run.step = 2;
    read_reply(s);
    const QString word = reply_word(s);
    if (s.Address_pc < 0 || s.Address_pc >= session::image_size)
        throw platform::Port_fault{platform::fault_index, QStringLiteral("address outside the image")};
    s.Read_buffer[size_t(s.Address_pc)] = word;
    // Nothing below touches the port: a fault is always reported at step 2.
    show_word_reply(s);
    if (s.address_pc != QLatin1String("0xFFF")) {
        s.Label_read_data = word;
        s.Label_read_data_bin = words::Hex_to_bin_text(word);
        s.show(session::read_data);
        return;
    }
    // At 0xFFF the chip shows its FUSE word.
    s.Read_data_word = word;
    if (s.Verify_running != 0)
        return;
    fuse::set_word(s, s.Label_fuse_word, s.Label_fuse_word_bin, word);
    fuse::Fuse_word_to_panel(s);
}

void increment(session::Session &s, Run &run)
{
    s.set_address(s.Address_pc + 1 == 4096 ? 0 : int16_t(s.Address_pc + 1));
    if (!s.Link.comxx_Display_mode)
        return;
    run.step = 2;
    apply_ack_rule(s);
}

void entry_isp(session::Session &s, Run &)
{
    read_reply(s);
    const uint8_t sync = reply_byte(s, 0);
    show_reply_fields(s, hex_form(sync), char_form(reply_byte(s, 1)), QString());
    s.Label_sync_value = decimal_form(sync);
    const double c = std::floor(sync / 8.0);
    const double w = std::floor(sync / 0.8) / 10 * 0.4;
    s.Sync_Label = Tr::tr("同期幅%1us %2cycle ").arg(QString::number(w, 'g', 15), QString::number(c, 'g', 15));
    s.show(session::sync);
}

void version(session::Session &s, Run &)
{
    read_reply(s);
    QString caption = QStringLiteral(" ");
    for (const char b : s.Link.comxx_Get_buffer)
        caption += char_form(uint8_t(b));
    s.Label_version = caption;
    s.show(session::version);
    s.Board_version = caption.right(5);
    s.Set_status_text(session::Panel::firmware, caption.right(12));
}

// --- before the wait -------------------------------------------------------------------

void clear_sync_labels(session::Session &s, Run &)
{
    s.Label_sync_value = QStringLiteral("0");
    s.Sync_Label.clear();
    s.show(session::sync);
}

void clear_version_label(session::Session &s, Run &)
{
    s.Label_version.clear();
    s.show(session::version);
}

void first_step(session::Session &, Run &run) { run.step = 1; }

// The programming wait must be a whole number from 0 to 255. It is checked before anything
// is sent, so that a bad text never leaves the board waiting for a payload byte.
uint8_t pgm_wait_byte(const session::Session &s)
{
    bool ok = false;
    const int v = s.Text_pgm_wait.trimmed().toInt(&ok, 10);
    if (!ok || v < 0 || v > 255)
        throw platform::Port_fault{platform::fault_bad_value, QStringLiteral("program wait is not 0 to 255")};
    return uint8_t(v);
}

void check_pgm_wait(session::Session &s, Run &) { pgm_wait_byte(s); }

// --- payloads -----------------------------------------------------------------------------

void load_payload(session::Session &s, Run &)
{
    const bool pauses = load_needs_pauses(s);
    if (pauses)
        platform::sleep_ms(3);
    send_payload_byte(s, words::Hex2_to_byte(s.text_out_hi));
    if (pauses)
        platform::sleep_ms(3);
    send_payload_byte(s, words::Hex2_to_byte(s.text_out_low));
}

void pgm_wait_payload(session::Session &s, Run &)
{
    platform::sleep_ms(10);
    send_payload_byte(s, pgm_wait_byte(s));
}

const Command commands[] = {
    //  name                      cmd  bytes limit yields before               payload           after        report
    {"cor_rease",               '0', 1,  4, false, nullptr,             nullptr,          ack,         Report::plain},
    {"cor_read_DEVICE_word",    '1', 3,  4, false, nullptr,             nullptr,          read_device, Report::plain},
    {"cor_read_FUSEX",          '2', 3,  4, false, nullptr,             nullptr,          read_fusex,  Report::plain},
    {"cor_program_FUSEX_word",  '3', 1,  4, false, nullptr,             nullptr,          ack,         Report::plain},
    {"cor_load_data_word",      '4', 1,  4, false, nullptr,             load_payload,     gated_ack,   Report::plain},
    {"cor_program_data",        '5', 1,  4, false, nullptr,             nullptr,          gated_ack,   Report::plain},
    {"cor_read_data",           '6', 3,  2, false, nullptr,             first_step,       read_data,   Report::with_buffer},
    {"cor_increment_address",   '7', 1,  2, false, nullptr,             first_step,       increment,   Report::with_step},
    {"cor_entry_ISP",           '9', 2,  2, true,  clear_sync_labels,   nullptr,          entry_isp,   Report::plain},
    {"cor_exit_ISP",            ':', 1,  1, false, nullptr,             nullptr,          ack,         Report::silent},
    {"cor_mode_18pin",          ';', 1,  2, true,  nullptr,             nullptr,          ack,         Report::plain},
    {"cor_mode_28pin",          '<', 1,  2, true,  nullptr,             nullptr,          ack,         Report::plain},
    {"cor_version",             '=', 15, 2, false, clear_version_label, nullptr,          version,     Report::plain},
    {"cor_reaset_wait",         '>', 1,  4, false, check_pgm_wait,      pgm_wait_payload, ack,         Report::plain},
};

void report(session::Session &s, const Command &c, const Run &run, const platform::Port_fault &fault)
{
    switch (c.report) {
    case Report::silent:
        s.listener().busy_window_hidden();
        s.Link.comxx_error = 1;
        return;
    case Report::with_buffer:
        report_fault(s, fault, c.name, {bytes_waiting_or_zero(s), run.step});
        return;
    case Report::with_step:
        report_fault(s, fault, c.name, {std::nullopt, run.step});
        return;
    case Report::plain:
        report_fault(s, fault, c.name);
        return;
    }
}

void execute(session::Session &s, char character)
{
    const Command *c = nullptr;
    for (const Command &row : commands)
        if (row.character == character)
            c = &row;
    Run run;
    if (Trace *t = tracing(s))
        t->begin(c->name);
    try {
        if (c->before)
            c->before(s, run);
        send_command(s, c->character);
        if (c->payload)
            c->payload(s, run);
        start_reply_clock(s);
        const Wait wait = wait_reply(s, c->reply_bytes, c->limit_s, c->yields);
        if (wait != Wait::arrived) {
            s.Link.comxx_error = 1;
            if (wait == Wait::timed_out)
                note_failed_exchange(s, session::Failure::time_out, c->name);
            if (Trace *t = tracing(s))
                t->end(s.port(), c->reply_bytes, false, wait == Wait::stopped ? "stopped" : nullptr);
            return;
        }
        c->after(s, run);
        if (Trace *t = tracing(s))
            t->end(s.port(), c->reply_bytes, true);
    } catch (const platform::Port_fault &fault) {
        note_failed_exchange(s, session::Failure::port_fault, c->name, 0, fault.reason);
        if (Trace *t = tracing(s))
            t->fault(s.port(), fault.reason);
        report(s, *c, run, fault);
    }
}

} // namespace

bool load_needs_pauses(const session::Session &s) { return s.Board_version == QLatin1String("V1.02"); }

void cor_rease(session::Session &s) { execute(s, '0'); }
void cor_read_DEVICE_word(session::Session &s) { execute(s, '1'); }
void cor_read_FUSEX(session::Session &s) { execute(s, '2'); }
void cor_program_FUSEX_word(session::Session &s) { execute(s, '3'); }
void cor_load_data_word(session::Session &s) { execute(s, '4'); }
void cor_program_data(session::Session &s) { execute(s, '5'); }
void cor_read_data(session::Session &s) { execute(s, '6'); }
void cor_increment_address(session::Session &s) { execute(s, '7'); }
void cor_entry_ISP(session::Session &s) { execute(s, '9'); }
void cor_exit_ISP(session::Session &s) { execute(s, ':'); }
void cor_mode_18pin(session::Session &s) { execute(s, ';'); }
void cor_mode_28pin(session::Session &s) { execute(s, '<'); }
void cor_version(session::Session &s) { execute(s, '='); }
void cor_reaset_wait(session::Session &s) { execute(s, '>'); }

} // namespace comm
