#include "link/commands.h"

#include "link/tr.h"

#include "fuse/fuse_words.h"
#include "image/word_text.h"
#include "link/failed_exchange.h"
#include "link/serial_link.h"
#include "link/trace.h"
#include "state/status_bar.h"
#include "platform/clock.h"
#include "state/frm_main.h"
#include "state/frm_msg.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QLabel>
#include <QLineEdit>

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
    silent,         // no box: hide the state::busy window, comxx_error = 1
};

using Step = void (*)(Run &);

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

auto &W() { return state::frmMain(); }

uint8_t reply_byte(int i)
{
    const QByteArray &b = state::Link.comxx_Get_buffer;
    return i < b.size() ? uint8_t(b.at(i)) : 0;
}

QString reply_word() { return image::Word_to_hex4(reply_byte(0), reply_byte(1)); }

void show_word_reply()
{
    show_reply_fields(hex_form(reply_byte(0)), hex_form(reply_byte(1)), char_form(reply_byte(2)));
}

// --- after the reply -----------------------------------------------------------------

void ack(Run &) { apply_ack_rule(); }

void gated_ack(Run &)
{
    if (state::Link.comxx_Display_mode)
        apply_ack_rule();
}

// The two configuration-word reads: the word goes into its global and, unless Verify is
// reading back, into its labels and the fuse panel.
void read_config_word(QString &global, QLabel *hex_label, QLabel *bin_label, void (*decode)())
{
    read_reply();
    show_word_reply();
    global = reply_word();
    if (state::Verify_running == 0) {
        hex_label->setText(global);
        bin_label->setText(image::Hex_to_bin_text(global));
        decode();
    }
}

void read_device(Run &)
{
    read_config_word(state::Read_device_word, W().Label_device_word, W().Label_device_word_bin,
                     fuse::Device_word_to_panel);
}

void read_fusex(Run &)
{
    read_config_word(state::Read_fusex_word, W().Label_fusex_word, W().Label_fusex_word_bin,
                     fuse::Fusex_word_to_panel);
}

void read_data(Run &run)
{
    run.step = 2;
    read_reply();
    const QString word = reply_word();
    if (state::Address_pc < 0 || state::Address_pc >= state::image_size)
        throw platform::Port_fault{platform::fault_index, QStringLiteral("address outside the image")};
    state::Read_buffer[size_t(state::Address_pc)] = word;
    run.step = 3;
    show_word_reply();
    run.step = 4;
    if (W().address_pc->text() != QLatin1String("0xFFF")) {
        run.step = 5;
        W().Label_read_data->setText(word);
        W().Label_read_data_bin->setText(image::Hex_to_bin_text(word));
        return;
    }
    // At 0xFFF the chip shows its FUSE word.
    run.step = 5;
    state::Read_data_word = word;
    if (state::Verify_running != 0)
        return;
    run.step = 6;
    W().Label_fuse_word->setText(word);
    W().Label_fuse_word_bin->setText(image::Hex_to_bin_text(word));
    fuse::Fuse_word_to_panel();
}

void increment(Run &run)
{
    state::Address_pc = int16_t(state::Address_pc + 1);
    if (state::Address_pc == 4096)
        state::Address_pc = 0;
    W().address_pc->setText(address_caption());
    if (!state::Link.comxx_Display_mode)
        return;
    run.step = 2;
    apply_ack_rule();
    run.step = 3;
}

void entry_isp(Run &)
{
    read_reply();
    const uint8_t s = reply_byte(0);
    show_reply_fields(hex_form(s), char_form(reply_byte(1)), QString());
    W().Label_sync_value->setText(decimal_form(s));
    const double c = std::floor(s / 8.0);
    const double w = std::floor(s / 0.8) / 10 * 0.4;
    W().Sync_Label->setText(Tr::tr("同期幅%1us %2cycle ").arg(QString::number(w, 'g', 15), QString::number(c, 'g', 15)));
}

void version(Run &)
{
    platform::port().bytes_waiting();
    read_reply();
    QString caption = QStringLiteral(" ");
    for (const char b : state::Link.comxx_Get_buffer)
        caption += char_form(uint8_t(b));
    W().Label_version->setText(caption);
    state::Board_version = caption.right(5);
    state::Set_status_text(1, caption.right(12));
}

// --- before the wait -------------------------------------------------------------------

void clear_sync_labels(Run &)
{
    W().Label_sync_value->setText(QStringLiteral("0"));
    W().Sync_Label->setText(QString());
}

void clear_version_label(Run &) { W().Label_version->setText(QString()); }

void first_step(Run &run) { run.step = 1; }

// The program-wait count must be a whole number from 0 to 255. It is checked before
// anything is sent, so that a bad text never leaves the board waiting for a payload byte.
uint8_t pgm_wait_byte()
{
    bool ok = false;
    const int v = W().Text_pgm_wait->text().trimmed().toInt(&ok, 10);
    if (!ok || v < 0 || v > 255)
        throw platform::Port_fault{platform::fault_bad_value, QStringLiteral("program wait is not 0 to 255")};
    return uint8_t(v);
}

void check_pgm_wait(Run &) { pgm_wait_byte(); }

// --- payloads -----------------------------------------------------------------------------

void load_payload(Run &)
{
    const bool pauses = load_needs_pauses();
    if (pauses)
        platform::sleep_ms(3);
    send_payload_byte(image::Hex2_to_byte(W().text_out_hi->text()));
    if (pauses)
        platform::sleep_ms(3);
    send_payload_byte(image::Hex2_to_byte(W().text_out_low->text()));
}

void pgm_wait_payload(Run &)
{
    platform::sleep_ms(10);
    send_payload_byte(pgm_wait_byte());
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

void report(const Command &c, const Run &run, const platform::Port_fault &fault)
{
    switch (c.report) {
    case Report::silent:
        if (state::frmMsg_loaded())
            state::frmMsg().hide();
        state::Link.comxx_error = 1;
        return;
    case Report::with_buffer:
        report_fault(fault, c.name, {bytes_waiting_or_zero(), run.step});
        return;
    case Report::with_step:
        report_fault(fault, c.name, {std::nullopt, run.step});
        return;
    case Report::plain:
        report_fault(fault, c.name);
        return;
    }
}

void execute(char character)
{
    const Command *c = nullptr;
    for (const Command &row : commands)
        if (row.character == character)
            c = &row;
    Run run;
    if (tracing())
        trace_begin(c->name);
    try {
        if (c->before)
            c->before(run);
        send_command(c->character);
        if (c->payload)
            c->payload(run);
        start_reply_clock();
        if (!wait_reply(c->reply_bytes, c->limit_s, c->yields)) {
            state::Link.comxx_error = 1;
            note_failed_exchange(c->name);
            if (tracing())
                trace_end(c->reply_bytes, false);
            return;
        }
        c->after(run);
        if (tracing())
            trace_end(c->reply_bytes, true);
    } catch (const platform::Port_fault &fault) {
        note_failed_exchange(c->name);
        if (tracing())
            trace_fault(fault.reason);
        report(*c, run, fault);
    }
}

} // namespace

bool load_needs_pauses() { return state::Board_version == QLatin1String("V1.02"); }

QString address_caption()
{
    return QStringLiteral("0x") + QString::number(int(state::Address_pc) + 4096, 16).toUpper().right(3);
}

void cor_rease() { execute('0'); }
void cor_read_DEVICE_word() { execute('1'); }
void cor_read_FUSEX() { execute('2'); }
void cor_program_FUSEX_word() { execute('3'); }
void cor_load_data_word() { execute('4'); }
void cor_program_data() { execute('5'); }
void cor_read_data() { execute('6'); }
void cor_increment_address() { execute('7'); }
void cor_entry_ISP() { execute('9'); }
void cor_exit_ISP() { execute(':'); }
void cor_mode_18pin() { execute(';'); }
void cor_mode_28pin() { execute('<'); }
void cor_version() { execute('='); }
void cor_reaset_wait() { execute('>'); }

} // namespace comm
