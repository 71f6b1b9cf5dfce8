// The four operations on a session against the board served in-process: the outcome each
// returns, the hint after a verify pass's differences, and what the session holds afterwards.

#include "board_port.h"
#include "core_kit.h"

#include "fuse/fuse_words.h"
#include "fuse/option_tables.h"
#include "image/device_image.h"
#include "operations/operations.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using operations::Outcome;

// "finished", "differences FLAGS", "stopped REASON ROUTINE COUNTER DETAILS" or "refused WHY".
QString summary(const Outcome &o)
{
    switch (o.end) {
    case Outcome::finished:
        return "finished";
    case Outcome::differences:
        return QString("differences %1").arg(o.verify ? o.verify->flags : -1);
    case Outcome::stopped: {
        const char *reasons[] = {"cancel", "time-out", "fault"};
        return QString("stopped %1 %2 %3 %4").arg(reasons[o.stop.reason], o.stop.routine).arg(o.stop.counter).arg(o.stop.details);
    }
    case Outcome::not_started:
        return QString("refused %1").arg(o.refusal == Outcome::oscillator_missing ? "oscillator" : o.refusal == Outcome::no_package ? "package" : "?");
    }
    return "?";
}

struct Row {
    const char *name;
    Outcome (*operation)(session::Session &);
    std::function<void(session::Session &, sim::Board_options &)> set_up;
    const char *outcome;
    const char *sent;  // the first bytes the board received, "" for none
    std::function<void(sim::Board_model &)> chip = {};  // what the chip holds at the start
    const char *hint = "";  // the verify pass's hint
};

// Two program words and FUSE.
void two_words(session::Session &s, const QString &fuse = "0FFF")
{
    s.Mem_buffer[0] = "0123";
    s.Mem_buffer[1] = "0A5C";
    fuse::set_word(s, s.Label_fuse_word, s.Label_fuse_word_bin, fuse);
    fuse::Fuse_word_to_panel(s);
}

const Row rows[] = {
    {"ProgramFinishes", operations::Program, [](auto &s, auto &) { s.Mem_buffer[0] = "0123"; }, "finished", ";=>",
     [](sim::Board_model &b) { b.set_fusex(0x3FE); }},  // memory size from the image, the rest from the chip
    {"ProgramFindsAWrongWord", operations::Program,
     [](auto &s, auto &b) { s.Mem_buffer[0] = "0123"; b.garbage_reads = true; }, "differences 3", ";=>"},
    {"ProgramTimesOut", operations::Program,
     [](auto &s, auto &b) { s.Mem_buffer[0] = "0123"; b.silent_after = 15; }, "stopped time-out program:5 2 ", ";=>"},
    {"ProgramLosesTheDevice", operations::Program,
     [](auto &s, auto &b) { s.Mem_buffer[0] = "0123"; b.hangup_after = 14; }, "stopped fault program:7 2 Input/output error", ";=>"},
    {"ProgramWithoutOscillatorModeIsRefused", operations::Program,
     [](auto &s, auto &) { s.fuse_panel.Check_IRCa = fuse::unchecked; s.fuse_panel.Combo_FOSCa = -1; }, "refused oscillator", ""},
    {"ProgramOnAnOldChipNeedsNoOscillatorMode", operations::Program,
     [](auto &s, auto &b) { s.Rev_mode = 0; b.revision = sim::Chip_revision::old_revision; s.fuse_panel.Check_IRCa = fuse::unchecked; s.fuse_panel.Combo_FOSCa = -1; },
     "finished", ";=>"},
    {"ReadWithoutPackageIsRefused", operations::Read, [](auto &s, auto &) { s.Pin_mode = 0; }, "refused package", ""},
    {"ReadOf28Pins", operations::Read, [](auto &s, auto &) { s.Pin_mode = 28; }, "finished", "<=9"},
    {"VerifyFindsAWord", operations::Verify, [](auto &s, auto &) { s.Mem_buffer[0] = "0123"; }, "differences 1", ";=9", {},
     "ヒント: イメージにデータがあるアドレスをチップはブランク（0FFF）と読みました。書き込まれていないか、書込み中に接続が切れました。"},
    {"ReadWithoutAPlaceForItsDumpStops", operations::Read, [](auto &s, auto &) { s.App_path = "/dev/null/"; },
     "stopped cancel  2 ", ";=9"},
    {"ReadIsCancelled", operations::Read, [](auto &s, auto &) { s.stop_requested = true; }, "stopped cancel  2 ", ":"},
    // The hint after the differences, on a board made to return each pattern.
    {"HintPulsesTooShort", operations::Program,
     [](auto &s, auto &b) { two_words(s); s.Text_pgm_wait = "45"; b.min_wait = 60; }, "differences 1", ";=>", {},
     "ヒント: 0 であるべきビットが 1 のまま残っています。書込みが足りません。PGM_wait（現在 45 = 47 ms）を大きくしてください。"},
    {"HintProtectedChipAndImage", operations::Verify,
     [](auto &s, auto &b) { two_words(s, "0FF7"); b.code_protected = true; }, "differences 1", ";=9", {},
     "ヒント: 読み出したワードがすべて 0000 です。チップにコードプロテクトが掛かっているか、チップが無いか、パッケージの選択が違います。"},
    {"HintProtectedChip", operations::Verify, [](auto &s, auto &b) { two_words(s); b.code_protected = true; }, "differences 3", ";=9", {},
     "ヒント: FUSEはコードプロテクトのビットだけが違います。チップはプロテクトされています（消去すると解除されます）。"},
    {"HintImageLargerThanTheChip", operations::Verify,
     [](auto &s, auto &) { two_words(s); s.Mem_buffer[1500] = "0456"; }, "differences 5", ";=9",
     [](sim::Board_model &b) { b.set_word(0, 0x123); b.set_word(1, 0xA5C); b.set_fusex(0xDFC); },
     "ヒント: 違いはチップのメモリサイズ（FUSEXで 512 ワード）を超えるアドレスだけです。イメージがチップより大きいです。"},
    {"HintNoPattern", operations::Program, [](auto &s, auto &b) { two_words(s); b.garbage_reads = true; }, "differences 3", ";=>", {}, ""},
    {"HintNoPatternInPartOfTheWords", operations::Verify, [](auto &s, auto &) { two_words(s); }, "differences 1", ";=9",
     [](sim::Board_model &b) { b.set_word(0, 0x123); b.set_word(1, 0xA4C); b.set_word(7, 0x000); }, ""},
    {"EraseTimesOut", operations::Erase, [](auto &, auto &b) { b.silent_commands = "0"; }, "stopped time-out cor_rease 2 ", ";=9"},
};

class Operations : public ::testing::TestWithParam<Row> {
protected:
    QTemporaryDir work;
    session::Session s;
    test::Recorder heard;
};

TEST_P(Operations, EndAsTheOutcomeSays)
{
    const Row &row = GetParam();
    s.App_path = work.path() + '/';
    s.set_listener(&heard);
    fuse::Combo_init(s);
    image::Clear_image(s);
    s.Text_pgm_wait = "1";
    sim::Board_options board;
    row.set_up(s, board);
    test::Board_port &port = test::install_board(s, board);
    if (row.chip)
        row.chip(port.board);
    const Outcome o = row.operation(s);
    EXPECT_EQ(summary(o), row.outcome);
    QByteArray sent;
    for (const auto &w : port.writes)
        sent += w.second;
    EXPECT_EQ(QString::fromLatin1(sent.left(3)), row.sent);
    EXPECT_EQ(heard.statuses.filter("処理中止").join('|'),
              o.end == Outcome::stopped ? QString("3 処理中止 (%1)").arg(o.stop.counter) : QString())
        << heard.statuses.join('|').toStdString();
    EXPECT_EQ(s.Link.comxx_error, o.end == Outcome::stopped ? o.stop.counter : 0);  // the next stop counts on from this one
    const fuse::Fusex_panel shown = s.fusex_panel;  // the panel shows the word the operation leaves
    fuse::Fusex_word_to_panel(s);
    EXPECT_EQ(shown.Combo_BPXa, s.fusex_panel.Combo_BPXa);
    EXPECT_FALSE(s.Operation_running);
    EXPECT_EQ(o.verify ? o.verify->hint : QString(), QString::fromUtf8(row.hint));
    if (QString(row.name).contains("Dump")) {  // the reason is what stays in view
        EXPECT_TRUE(s.status_text(session::Panel::activity).startsWith("sx_hex.txtを書き込めません: "));
    }
}

INSTANTIATE_TEST_SUITE_P(, Operations, ::testing::ValuesIn(rows), [](const auto &info) { return std::string(info.param.name); });

} // namespace
