// Program: erase the chip, write FUSEX, the program words and FUSE, verify, and protect
// the code when the FUSE word asks for it.

#include "operations/operations.h"

#include "operations/tr.h"

#include "fuse/fuse_words.h"
#include "image/word_text.h"
#include "link/commands.h"
#include "operations/operation_frame.h"
#include "operations/panel_sync.h"
#include "state/status_bar.h"
#include "operations/word_exchange.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace operations {
namespace {

auto &W() { return state::frmMain(); }

// With an external oscillator on an A-revision chip the oscillator list must name a mode;
// a list without a selection would silently program the LP1 oscillator.
bool oscillator_mode_missing()
{
    return state::Rev_mode == 1 && W().Check_IRCa->checkState() == Qt::Unchecked
           && W().Combo_FOSCa->currentIndex() < 0;
}

void put_load_fields(const QString &word)
{
    W().text_out_hi->setText(word.left(2));
    W().text_out_low->setText(word.right(2));
}

void set_fusex_label(int value)
{
    const QString word = QStringLiteral("%1").arg(value & 0xFFFF, 4, 16, QLatin1Char('0')).toUpper();
    W().Label_fusex_word->setText(word);
    W().Label_fusex_word_bin->setText(image::Hex_to_bin_text(word));
}

// The FUSEX word to program: by default the chip keeps its own bits 11 to 8 (trim and
// bit 10) and takes bits 7 to 0 from the panel; after a hand edit of the trim field the
// whole panel word is used. Bit 10 always follows the package.
int compose_fusex(const QString &panel_fusex)
{
    const QString chip_fusex = W().Label_fusex_word->text();
    const QString source = state::Irctrim_edited ? panel_fusex : chip_fusex.left(2) + panel_fusex.right(2);
    int value = image::Hex2_to_byte(source.left(2)) * 256 + image::Hex2_to_byte(source.right(2));
    if (state::Pin_mode == 18)
        value &= ~0x400;
    else if (state::Pin_mode == 28)
        value |= 0x400;
    return value;
}

void set_code_protect_boxes(Qt::CheckState s)
{
    W().Check_CP->setCheckState(s);
    W().Check_CPa->setCheckState(s);
}

bool program_fuse()
{
    if (!run_chain({comm::cor_entry_ISP}))
        return false;
    put_load_fields(W().Label_fuse_word->text());
    return run_chain({comm::cor_load_data_word, comm::cor_program_data});
}

// Programs the chip and runs the verify pass; true when all of it went through.
bool program_and_verify(const QDateTime &started)
{
    auto &w = W();
    Operation_guard guard;
    Operation_start start_texts;
    start_texts.running_text = Tr::tr("書き込み中.....");
    start_texts.waiting_text = Tr::tr("書込み中.....　しばらく御待ち下さい。");
    start_texts.dump_image = start_texts.clear_time = start_texts.full_memory = true;
    if (!start_operation(start_texts))
        return false;
    if (!run_chain({comm::cor_version, comm::cor_reaset_wait, comm::cor_entry_ISP, comm::cor_read_DEVICE_word}))
        return false;

    const QString panel_fusex = w.Label_fusex_word->text();
    if (!run_chain({comm::cor_read_FUSEX}))
        return false;
    set_fusex_label(compose_fusex(panel_fusex));
    fuse::Fusex_word_to_panel();
    if (stopped())
        return false;

    // Erase, then program FUSEX.
    if (!run_chain({comm::cor_rease, comm::cor_exit_ISP, comm::cor_entry_ISP}))
        return false;
    put_load_fields(w.Label_fusex_word->text());
    if (!run_chain({comm::cor_load_data_word, comm::cor_program_FUSEX_word, comm::cor_exit_ISP, comm::cor_entry_ISP}))
        return false;

    // The program words up to the last one that is not blank; the counter stands at 0xFFF.
    state::Last_used_address = last_non_blank_address();
    for (int i = 0; i <= state::Last_used_address; ++i) {
        Show_progress(QStringLiteral("ON"), 0, state::Last_used_address, i);
        exchange('7', 1, 2.0);
        const QString &word = state::Mem_buffer[size_t(i)];
        if (word != state::blank_word) {
            load_word(word, 2.0);
            exchange('5', 1, 2.0);
        }
        if (stopped())
            return false;
    }
    if (!run_chain({comm::cor_exit_ISP}))
        return false;

    // FUSE goes first with code protection off, so that it can be verified.
    const bool protect = w.Label_fuse_word_bin->text().mid(8, 1) == QLatin1String("0");
    if (protect) {
        set_code_protect_boxes(Qt::Unchecked);
        fuse::Fuse_panel_to_word();
    }
    if (!program_fuse())
        return false;

    show_elapsed(started);
    state::Set_status_text(3, Tr::tr("書き込み終了"));
    end_buttons();

    state::Verify_from_button = false;
    Run_verify();
    if (state::Link.comxx_error != 0)
        return false;  // the verify pass has stopped and reported it

    if (protect) {
        set_code_protect_boxes(Qt::Checked);
        fuse::Fuse_panel_to_word();
        if (!program_fuse() || !run_chain({comm::cor_exit_ISP}))
            return false;
    }
    return true;
}

} // namespace

void Command_program_click()
{
    if (state::busy())
        return;
    auto &w = W();
    sync_words_and_panel();
    const QDateTime started = platform::wall_time();

    if (oscillator_mode_missing()) {
        platform::show_message({platform::Icon::exclamation, Tr::tr("書き込み"),
                                Tr::tr("    書き込みをキャンセルしました。    \r \r"
                                               "    外部発振モードが選択されていません!!    "),
                                platform::Buttons::ok},
                               &w);
        return;
    }

    // The button takes the focus back once the operation has let go of it.
    if (program_and_verify(started))
        w.Command_program->setFocus();
}

} // namespace operations
