// Verify: read the chip back and compare it with the image and the configuration words.

#include "operations/operations.h"

#include "operations/tr.h"

#include "image/word_text.h"
#include "link/commands.h"
#include "operations/operation_frame.h"
#include "operations/panel_sync.h"
#include "state/status_bar.h"
#include "operations/word_exchange.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/serial_port.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QLabel>
#include <QPushButton>

namespace operations {
namespace {

auto &W() { return state::frmMain(); }

enum Result_bits { program_differs = 1, fuse_differs = 2, fusex_differs = 4 };

// Verify_running is 1 for exactly as long as the run lasts, however it ends.
struct Verifying {
    Verifying() { state::Verify_running = 1; }
    ~Verifying() { state::Verify_running = 0; }
};

// Reads the word at the next address into Read_buffer.
void read_back_next_word()
{
    exchange('7', 1, 4.0);
    state::Address_pc = int16_t(state::Address_pc + 1);
    if (state::Address_pc == 4096)
        state::Address_pc = 0;
    exchange('6', 3, 4.0);
    if (state::Link.comxx_error != 0)
        return;
    try {
        state::Link.comxx_Get_buffer = platform::port().read_all();
    } catch (const platform::Port_fault &) {
        state::Link.comxx_error = 1;
        return;
    }
    const QByteArray &b = state::Link.comxx_Get_buffer;
    if (state::Address_pc >= 0 && state::Address_pc < state::image_size && b.size() >= 2)
        state::Read_buffer[size_t(state::Address_pc)] = image::Word_to_hex4(uint8_t(b.at(0)), uint8_t(b.at(1)));
}

// Lists the differing program words in the memory view, at most 20 of them.
bool compare_program_words()
{
    bool differs = false;
    int errors = 0;
    QString lines;
    for (int i = 0; i <= state::Last_used_address; ++i) {
        const QString &expected = state::Mem_buffer[size_t(i)];
        const QString &read = state::Read_buffer[size_t(i)];
        if (read == expected)
            continue;
        if (++errors > 20) {
            lines += Tr::tr("これ以降もエラーが存在します。\r\n\n");
            break;
        }
        differs = true;
        lines += Tr::tr("Address=0x%1  Original=%2  Read data=%3")
                     .arg(QString::number(i, 16).toUpper().rightJustified(4, QLatin1Char('0')), expected, read)
                 + QStringLiteral("\r\n");
    }
    if (!lines.isEmpty())
        append_to_memory_view(lines);
    return differs;
}

QString result_text(int flags)
{
    auto cell = [flags](int bit) { return flags & bit ? Tr::tr("< NG >") : Tr::tr("< OK >"); };
    const QString hint = state::Rev_mode == 0
                             ? Tr::tr("ｴﾗｰが多発する様でしたら、基板上のJP1とJP2にｼﾞｬﾝﾊﾟを接続してください。")
                             : QString();
    return Tr::tr("プログラムメモリ\tFUSEワード\tFUSEXワード　　 　\r") + cell(program_differs)
           + QStringLiteral("\t\t") + cell(fuse_differs) + QStringLiteral("\t\t") + cell(fusex_differs)
           + QStringLiteral("\r\r") + hint;
}

} // namespace

void Command_verify_click()
{
    if (state::busy())
        return;
    state::Verify_from_button = true;
    Run_verify();
}

void Run_verify()
{
    auto &w = W();
    sync_words_and_panel();
    Operation_guard guard;
    const QDateTime started = platform::wall_time();
    Verifying verifying;
    Operation_start start_texts;
    start_texts.running_text = Tr::tr("ベリファイ中.....");
    start_texts.waiting_text = Tr::tr("ベリファイ中..... しばらく御待ち下さい。");
    start_texts.dump_image = true;
    if (!start_operation(start_texts))
        return;
    if (!run_chain({comm::cor_version, comm::cor_entry_ISP, comm::cor_read_DEVICE_word, comm::cor_read_FUSEX,
                    comm::cor_read_data}))
        return;

    state::Last_used_address = state::Verify_from_button ? state::Last_address : last_non_blank_address();

    for (int i = 0; i <= state::Last_used_address; ++i) {
        platform::yield_events();
        Show_progress(QStringLiteral("ON"), 0, state::Last_used_address, i);
        read_back_next_word();
        if (stopped())
            return;
    }
    if (!run_chain({comm::cor_exit_ISP}))
        return;

    int flags = 0;
    if (compare_program_words())
        flags |= program_differs;
    if (state::Read_data_word != w.Label_fuse_word->text())
        flags |= fuse_differs;
    if (state::Read_fusex_word.right(2) != w.Label_fusex_word->text().right(2))
        flags |= fusex_differs;
    state::Verify_running = 0;

    show_elapsed(started);
    state::Set_status_text(3, Tr::tr("ベリファイ終了"));
    end_buttons();
    state::unload_frmMsg();

    if (flags == 0) {
        state::Set_status_text(3, Tr::tr("正常終了しました。"));
        return;
    }
    platform::show_message(
        {platform::Icon::information, Tr::tr("ベリファイ結果"), result_text(flags), platform::Buttons::ok}, &w);
}

} // namespace operations
