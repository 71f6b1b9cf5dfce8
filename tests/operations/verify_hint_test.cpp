// The hint after a verify pass's differences, on the simulated board made to return each
// pattern: one line when the pattern is clear, none otherwise.

#include "board_port.h"
#include "core_kit.h"

#include "fuse/fuse_words.h"
#include "fuse/option_tables.h"
#include "image/device_image.h"
#include "operations/operations.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Case {
    const char *name;
    operations::Outcome (*operation)(session::Session &);
    std::function<void(session::Session &, sim::Board_options &)> set_up;
    std::function<void(sim::Board_model &)> chip;
    const char *hint;
};

void two_words(session::Session &s, const QString &fuse = "0FFF")
{
    s.Mem_buffer[0] = "0123";
    s.Mem_buffer[1] = "0A5C";
    fuse::set_word(s, s.Label_fuse_word, s.Label_fuse_word_bin, fuse);
    fuse::Fuse_word_to_panel(s);
}

const Case cases[] = {
    {"PulsesTooShort", operations::Program,
     [](auto &s, auto &b) { two_words(s); s.Text_pgm_wait = "45"; b.min_wait = 60; }, {},
     "ヒント: 0 であるべきビットが 1 のまま残っています。書込みが足りません。PGM_wait（現在 45 = 47 ms）を大きくしてください。"},
    {"ProtectedChipAndImage", operations::Verify,
     [](auto &s, auto &b) { two_words(s, "0FF7"); b.code_protected = true; }, {},
     "ヒント: 読み出したワードがすべて 0000 です。チップにコードプロテクトが掛かっているか、チップが無いか、パッケージの選択が違います。"},
    {"ProtectedChip", operations::Verify, [](auto &s, auto &b) { two_words(s); b.code_protected = true; }, {},
     "ヒント: FUSEはコードプロテクトのビットだけが違います。チップはプロテクトされています（消去すると解除されます）。"},
    {"BlankChip", operations::Verify, [](auto &s, auto &) { two_words(s); }, {},
     "ヒント: イメージにデータがあるアドレスをチップはブランク（0FFF）と読みました。書き込まれていないか、書込み中に接続が切れました。"},
    {"ImageLargerThanTheChip", operations::Verify,
     [](auto &s, auto &) { two_words(s); s.Mem_buffer[1500] = "0456"; },
     [](sim::Board_model &b) { b.set_word(0, 0x123); b.set_word(1, 0xA5C); b.set_fusex(0xDFC); },
     "ヒント: 違いはチップのメモリサイズ（FUSEXで 512 ワード）を超えるアドレスだけです。イメージがチップより大きいです。"},
    {"NoPattern", operations::Program, [](auto &s, auto &b) { two_words(s); b.garbage_reads = true; }, {}, ""},
    {"NoPatternInPartOfTheWords", operations::Verify, [](auto &s, auto &) { two_words(s); },
     [](sim::Board_model &b) { b.set_word(0, 0x123); b.set_word(1, 0xA4C); b.set_word(7, 0x000); }, ""},
};

class Hint : public ::testing::TestWithParam<Case> {};

TEST_P(Hint, FollowsTheDifferences)
{
    const Case &c = GetParam();
    QTemporaryDir work;
    session::Session s;
    s.App_path = work.path() + '/';
    fuse::Combo_init(s);
    image::Clear_image(s);
    s.Text_pgm_wait = "1";
    sim::Board_options board;
    c.set_up(s, board);
    test::Board_port &port = test::install_board(s, board);
    if (c.chip)
        c.chip(port.board);
    const operations::Outcome o = c.operation(s);
    ASSERT_EQ(o.end, operations::Outcome::differences);
    EXPECT_EQ(o.verify->hint, QString::fromUtf8(c.hint));
}

INSTANTIATE_TEST_SUITE_P(Verify, Hint, ::testing::ValuesIn(cases), [](const auto &info) { return std::string(info.param.name); });

} // namespace
