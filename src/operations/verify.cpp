// Verify: read the chip back and compare it with the image and the configuration words.

#include "operations/operations.h"

#include "fuse/fuse_words.h"
#include "operations/operation_frame.h"
#include "operations/tr.h"
#include "operations/verify_hint.h"
#include "operations/word_exchange.h"
#include "platform/clock.h"
#include "words/word_text.h"

namespace operations {
namespace {

// Verify_running is 1 for exactly as long as the run lasts, however it ends.
struct Verifying {
    explicit Verifying(session::Session &s) : s_(s) { s.Verify_running = 1; }
    ~Verifying() { s_.Verify_running = 0; }
    session::Session &s_;
};

// Reads the word at the next address into Read_buffer.
void read_back_next_word(session::Session &s)
{
    exchange(s, '7', 1, 4.0);
    s.Address_pc = int16_t(s.Address_pc + 1);
    if (s.Address_pc == 4096)
        s.Address_pc = 0;
    exchange(s, '6', 3, 4.0);
    if (s.Link.comxx_error != 0)
        return;
    try {
        s.Link.comxx_Get_buffer = s.port().read_all();
    } catch (const platform::Port_fault &) {
        s.Link.comxx_error = 1;
        return;
    }
    const QByteArray &b = s.Link.comxx_Get_buffer;
    if (s.Address_pc >= 0 && s.Address_pc < session::image_size && b.size() >= 2)
        s.Read_buffer[size_t(s.Address_pc)] = words::Word_to_hex4(uint8_t(b.at(0)), uint8_t(b.at(1)));
}

// The lines that list the differing program words, at most 20 of them.
QString compare_program_words(const session::Session &s, bool &differs)
{
    differs = false;
    int errors = 0;
    QString lines;
    for (int i = 0; i <= s.Last_used_address; ++i) {
        const QString &expected = s.Mem_buffer[size_t(i)];
        const QString &read = s.Read_buffer[size_t(i)];
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
    return lines;
}

QString result_text(int flags, int rev_mode)
{
    auto cell = [flags](int bit) { return flags & bit ? Tr::tr("< NG >") : Tr::tr("< OK >"); };
    const QString hint = rev_mode == 0
                             ? Tr::tr("ｴﾗｰが多発する様でしたら、基板上のJP1とJP2にｼﾞｬﾝﾊﾟを接続してください。")
                             : QString();
    return Tr::tr("プログラムメモリ\tFUSEワード\tFUSEXワード　　 　\r") + cell(Verify_report::program_differs)
           + QStringLiteral("\t\t") + cell(Verify_report::fuse_differs) + QStringLiteral("\t\t")
           + cell(Verify_report::fusex_differs) + QStringLiteral("\r\r") + hint;
}

} // namespace

QString verify_result_title() { return Tr::tr("ベリファイ結果"); }

Outcome Verify(session::Session &s)
{
    s.Verify_from_button = true;
    return Run_verify(s);
}

Outcome Run_verify(session::Session &s)
{
    Outcome o;
    fuse::sync_words_and_panel(s);
    const session::Busy_scope busy(s);
    const QDateTime started = platform::wall_time();
    Verifying verifying(s);
    Operation_start start_texts;
    start_texts.running_text = [] { return Tr::tr("ベリファイ中....."); };
    start_texts.waiting_text = Tr::tr("ベリファイ中..... しばらく御待ち下さい。");
    start_texts.dump_image = true;
    if (!start_operation(s, start_texts, o))
        return o;
    if (!run_chain(s, o, {comm::cor_version, comm::cor_entry_ISP, comm::cor_read_DEVICE_word, comm::cor_read_FUSEX,
                          comm::cor_read_data}))
        return o;

    s.Last_used_address = s.Verify_from_button ? s.Last_address : last_non_blank_address(s);
    start_word_loop(s, std::vector<session::Step_cost>(size_t(s.Last_used_address) + 1, {2, 0}));
    for (int i = 0; i <= s.Last_used_address; ++i) {
        platform::yield_events();
        Show_progress(s, s.Last_used_address, i);
        read_back_next_word(s);
        if (stopped(s, o))
            return o;
    }
    if (!run_chain(s, o, {comm::cor_exit_ISP}))
        return o;

    Verify_report report;
    bool program_differs = false;
    report.lines = compare_program_words(s, program_differs);
    if (program_differs)
        report.flags |= Verify_report::program_differs;
    if (s.Read_data_word != s.Label_fuse_word)
        report.flags |= Verify_report::fuse_differs;
    if (s.Read_fusex_word.right(2) != s.Label_fusex_word.right(2))
        report.flags |= Verify_report::fusex_differs;
    report.box_text = result_text(report.flags, s.Rev_mode);
    report.hint = verify_hint(s, report.flags);
    s.Verify_running = 0;

    show_elapsed(s, started);
    s.Set_status_text(session::Panel::activity, [] { return Tr::tr("ベリファイ終了"); });
    s.listener().phase_ended();
    s.listener().busy_window_closed();
    if (report.flags == 0)
        s.Set_status_text(session::Panel::activity, [] { return Tr::tr("正常終了しました。"); });
    o.end = report.flags == 0 ? Outcome::finished : Outcome::differences;
    o.verify = report;
    return o;
}

} // namespace operations
