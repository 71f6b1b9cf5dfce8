// Program: erase the chip, write FUSEX, the program words and FUSE, verify, and protect
// the code when the FUSE word asks for it.

#include "operations/operations.h"

#include "fuse/fuse_words.h"
#include "operations/operation_frame.h"
#include "operations/tr.h"
#include "operations/word_exchange.h"
#include "platform/clock.h"
#include "words/word_text.h"

namespace operations {
namespace {

// With an external oscillator on an A-revision chip the oscillator list must name a mode;
// a list without a selection would silently program the LP1 oscillator.
bool oscillator_mode_missing(const session::Session &s)
{
    return s.Rev_mode == 1 && s.fuse_panel.Check_IRCa == fuse::unchecked && s.fuse_panel.Combo_FOSCa < 0;
}

void put_load_fields(session::Session &s, const QString &word)
{
    s.text_out_hi = word.left(2);
    s.text_out_low = word.right(2);
    s.show(session::load);
}

// The FUSEX word to program: by default the chip keeps its own bits 11 to 8 (trim and
// bit 10) and takes bits 7 to 0 from the panel; after a hand edit of the trim field the
// whole panel word is used. Bit 10 always follows the package.
int compose_fusex(const session::Session &s, const QString &panel_fusex)
{
    const QString &chip_fusex = s.Label_fusex_word;
    const QString source = s.Irctrim_edited ? panel_fusex : chip_fusex.left(2) + panel_fusex.right(2);
    int value = words::Hex2_to_byte(source.left(2)) * 256 + words::Hex2_to_byte(source.right(2));
    if (s.Pin_mode == 18)
        value &= ~0x400;
    else if (s.Pin_mode == 28)
        value |= 0x400;
    return value;
}

void set_code_protection(session::Session &s, int state)
{
    s.fuse_panel.Check_CP = state;
    s.fuse_panel.Check_CPa = state;
    s.show(session::panel);
    fuse::Fuse_panel_to_word(s);
}

bool program_fuse(session::Session &s, Outcome &o)
{
    if (!run_chain(s, o, {comm::cor_entry_ISP}))
        return false;
    put_load_fields(s, s.Label_fuse_word);
    return run_chain(s, o, {comm::cor_load_data_word, comm::cor_program_data});
}

// Erases the chip, then programs FUSEX and the program words.
bool write_words(session::Session &s, Outcome &o)
{
    Operation_start start_texts;
    start_texts.running_text = [] { return Tr::tr("書き込み中....."); };
    start_texts.waiting_text = Tr::tr("書込み中.....　しばらく御待ち下さい。");
    start_texts.dump_image = start_texts.clear_time = start_texts.full_memory = true;
    if (!start_operation(s, start_texts, o))
        return false;
    if (!run_chain(s, o, {comm::cor_version, comm::cor_reaset_wait, comm::cor_entry_ISP, comm::cor_read_DEVICE_word}))
        return false;

    const QString panel_fusex = s.Label_fusex_word;
    if (!run_chain(s, o, {comm::cor_read_FUSEX}))
        return false;
    fuse::set_word(s, s.Label_fusex_word, s.Label_fusex_word_bin,
                   QStringLiteral("%1").arg(compose_fusex(s, panel_fusex) & 0xFFFF, 4, 16, QLatin1Char('0')).toUpper());
    fuse::Fusex_word_to_panel(s);
    if (stopped(s, o))
        return false;

    // Erase, then program FUSEX.
    if (!run_chain(s, o, {comm::cor_rease, comm::cor_exit_ISP, comm::cor_entry_ISP}))
        return false;
    put_load_fields(s, s.Label_fusex_word);
    if (!run_chain(s, o, {comm::cor_load_data_word, comm::cor_program_FUSEX_word, comm::cor_exit_ISP,
                          comm::cor_entry_ISP}))
        return false;

    // The program words up to the last one that is not blank; the counter stands at 0xFFF.
    s.Last_used_address = last_non_blank_address(s);
    // A blank word costs one exchange, a word to program three, the programming pulse and,
    // on a board that needs them, the pauses between the bytes of the load.
    const double pulse_s = s.Text_pgm_wait.toDouble() * 1.06e-3 + (comm::load_needs_pauses(s) ? 0.006 : 0);
    std::vector<session::Step_cost> steps;
    for (int i = 0; i <= s.Last_used_address; ++i)
        steps.push_back(s.Mem_buffer[size_t(i)] == session::blank_word ? session::Step_cost{1, 0} : session::Step_cost{3, pulse_s});
    start_word_loop(s, steps);
    for (int i = 0; i <= s.Last_used_address; ++i) {
        Show_progress(s, s.Last_used_address, i);
        exchange(s, '7', 1, 2.0);
        const QString &word = s.Mem_buffer[size_t(i)];
        if (word != session::blank_word) {
            load_word(s, word, 2.0);
            exchange(s, '5', 1, 2.0);
        }
        if (stopped(s, o))
            return false;
    }
    return run_chain(s, o, {comm::cor_exit_ISP});
}

} // namespace

QString oscillator_refusal_title() { return Tr::tr("書き込み"); }

QString oscillator_refusal_text()
{
    return Tr::tr("    書き込みをキャンセルしました。    \r \r"
                  "    外部発振モードが選択されていません!!    ");
}

Outcome Program(session::Session &s)
{
    Outcome o;
    fuse::sync_words_and_panel(s);
    const QDateTime started = platform::wall_time();
    if (oscillator_mode_missing(s)) {
        o.end = Outcome::not_started;
        o.refusal = Outcome::oscillator_missing;
        return o;
    }
    const session::Busy_scope busy(s);
    if (!write_words(s, o))
        return o;
    // FUSE goes first with code protection off, so that it can be verified.
    const bool protect = s.Label_fuse_word_bin.mid(8, 1) == QLatin1String("0");
    if (protect)
        set_code_protection(s, fuse::unchecked);
    if (!program_fuse(s, o))
        return o;
    show_elapsed(s, started);
    s.Set_status_text(session::Panel::activity, [] { return Tr::tr("書き込み終了"); });
    s.listener().phase_ended();

    s.Verify_from_button = false;
    o = Run_verify(s);
    if (o.end == Outcome::stopped)
        return o;  // the verify pass has stopped and reported it

    if (protect) {
        set_code_protection(s, fuse::checked);
        if (!program_fuse(s, o) || !run_chain(s, o, {comm::cor_exit_ISP}))
            return o;
    }
    return o;
}

} // namespace operations
