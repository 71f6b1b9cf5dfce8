// Program and Verify through the real buttons, against the simulated board on a
// pseudo-terminal.

#include "board_session.h"

#include "state/frm_main.h"
#include "state/frm_msg.h"
#include "state/globals.h"
#include "state/windows.h"
#include "state/status_bar.h"

#include <QAction>
#include <QCheckBox>
#include <QRegularExpression>
#include <QTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

using state::status_text;

state::FrmMain &W() { return state::frmMain(); }

void set_words(const std::vector<std::pair<int, const char *>> &words)
{
    for (const auto &[address, text] : words)
        state::Mem_buffer[size_t(address)] = QString::fromLatin1(text);
}

TEST(ProgramVerify, ImageWithBlanksIsProgrammedAndVerifies)
{
    test::Board_session s;
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    set_words({{0, "0123"}, {1, "0ABC"}, {2, "0000"}, {4, "0FF0"}});  // 3 is blank between used words
    W().Command_program->click();

    EXPECT_TRUE(boxes.shown.empty()) << (boxes.shown.empty() ? "" : boxes.shown[0].text.toStdString());
    EXPECT_EQ(state::Link.comxx_error, 0);
    EXPECT_EQ(status_text(3), "正常終了しました。");
    EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(status_text(4)).hasMatch()) << status_text(4).toStdString();
    EXPECT_EQ(status_text(2), "");
    EXPECT_TRUE(W().Command_read->isEnabled() && W().Command_verify->isEnabled() && W().Command_program->isEnabled());
    EXPECT_FALSE(W().Command_cancel->isVisible());
    EXPECT_FALSE(state::frmMsg_loaded() && state::frmMsg().isVisible());

    // The word loop: "7" for every address up to the last used one, "4" and "5" only for
    // words that are not blank.
    const QString commands = s.commands();
    const int loop = commands.indexOf("7");
    ASSERT_GE(loop, 0);
    EXPECT_TRUE(commands.mid(loop).startsWith("745745745774")) << commands.toStdString();

    const sim::Chip chip = s.chip_now();
    EXPECT_EQ(chip.words[0], 0x123);
    EXPECT_EQ(chip.words[1], 0xABC);
    EXPECT_EQ(chip.words[2], 0x000);
    EXPECT_EQ(chip.words[3], 0xFFF);
    EXPECT_EQ(chip.words[4], 0xFF0);
    EXPECT_EQ(chip.words[5], 0xFFF);
    // The blank panel gives FUSE 0FFF; FUSEX keeps the chip's trim, bit 10 clear for 18 pins.
    EXPECT_EQ(chip.fuse, 0xFFF);
    EXPECT_EQ(chip.fusex, 0x9FF);  // factory trim 0DFF, bit 10 cleared
    EXPECT_EQ(W().Label_fusex_word->text(), QString("%1").arg(chip.fusex, 4, 16, QLatin1Char('0')).toUpper());
}

TEST(ProgramVerify, VerifyFromTheButtonReadsEveryWord)
{
    test::Board_session s;
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    set_words({{0, "0123"}});
    W().Command_program->click();
    ASSERT_EQ(status_text(3), "正常終了しました。");

    W().Command_verify->click();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(status_text(3), "正常終了しました。");
    // 2048 words read back, each one "7" and "6".
    EXPECT_EQ(s.commands().count("76"), 1 + 2048);
}

TEST(ProgramVerify, OnlyAddressZeroUsedCompletesTheProgress)
{
    test::Board_session s;
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    set_words({{0, "0555"}});
    W().Command_program->click();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(status_text(3), "正常終了しました。");
    EXPECT_EQ(status_text(2), "");
    EXPECT_EQ(s.chip_now().words[0], 0x555);
}

TEST(ProgramVerify, CodeProtectionProgramsFuseTwice)
{
    test::Board_session s;
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    set_words({{0, "0321"}});
    W().SSTab1->setCurrentIndex(1);
    W().Check_CPa->setCheckState(Qt::Checked);
    W().SSTab1->setCurrentIndex(3);
    W().Command_program->click();

    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(status_text(3), "正常終了しました。");
    EXPECT_EQ(W().Check_CPa->checkState(), Qt::Checked);
    EXPECT_EQ(W().Check_CP->checkState(), Qt::Checked);
    EXPECT_EQ(W().Label_fuse_word->text(), "0FF7");
    // FUSE went to 0xFFF twice: once without protection, once with it.
    const QStringList log = s.board->log_lines();
    int fuse_writes = 0;
    for (const QString &line : log)
        if (line.contains("cmd '5'") && line.contains("addr FFF"))
            ++fuse_writes;
    EXPECT_EQ(fuse_writes, 2);
    EXPECT_EQ(s.chip_now().fuse, 0xFF7);
}

TEST(ProgramVerify, UnprotectedFuseIsProgrammedOnce)
{
    test::Board_session s;
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    W().Command_program->click();
    int fuse_writes = 0;
    for (const QString &line : s.board->log_lines())
        if (line.contains("cmd '5'") && line.contains("addr FFF"))
            ++fuse_writes;
    EXPECT_EQ(fuse_writes, 1);
}

TEST(ProgramVerify, TwentyEightPinsSetBitTenOfFusex)
{
    test::Board_session s({}, nullptr, 28, 1);
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    W().Command_program->click();
    EXPECT_EQ(status_text(3), "正常終了しました。");
    EXPECT_EQ(s.chip_now().fusex & 0x400, 0x400);
}

TEST(ProgramVerify, ChipWrittenWithoutEraseShowsUpInVerify)
{
    // The chip still holds an old program; the image is verified without programming.
    const sim::Chip old = test::chip_with(0xFFF, 0xFFF, {{0, 0x0F0}, {1, 0x00F}});
    test::Board_session s({}, &old);
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    set_words({{0, "0FFF"}, {1, "000F"}});
    W().Command_verify->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "ベリファイ結果");
    EXPECT_EQ(boxes.shown[0].text, "プログラムメモリ\tFUSEワード\tFUSEXワード　　 　\r< NG >\t\t< OK >\t\t< OK >\r\r");
    EXPECT_EQ(status_text(3), "ベリファイ終了");
    const QString view = W().RTextBox_memory->toPlainText();
    EXPECT_TRUE(view.contains("Address=0x0000  Original=0FFF  Read data=00F0\n")) << view.right(300).toStdString();
    EXPECT_FALSE(view.contains("Address=0x0001"));
    // The lines stand after the dump.
    EXPECT_GT(view.indexOf("Address=0x0000"), view.indexOf("FUSEX ="));
}

TEST(ProgramVerify, MoreThanTwentyDifferencesAreCutWithANote)
{
    test::Board_session s({"--garbage-reads"}, nullptr, 18, 0);
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    for (int i = 0; i < 30; ++i)
        state::Mem_buffer[size_t(i)] = "0123";
    W().Command_program->click();
    ASSERT_FALSE(boxes.shown.empty());
    const platform::Message &result = boxes.shown.back();
    EXPECT_EQ(result.title, "ベリファイ結果");
    EXPECT_TRUE(result.text.startsWith("プログラムメモリ\tFUSEワード\tFUSEXワード　　 　\r< NG >\t\t< NG >"));
    // Old revision: the jumper hint after an empty line.
    EXPECT_TRUE(result.text.endsWith("\r\rｴﾗｰが多発する様でしたら、基板上のJP1とJP2にｼﾞｬﾝﾊﾟを接続してください。"));
    const QString view = W().RTextBox_memory->toPlainText();
    EXPECT_EQ(view.count("Address=0x"), 20);
    EXPECT_TRUE(view.contains("Address=0x0013"));
    EXPECT_FALSE(view.contains("Address=0x0014"));
    EXPECT_TRUE(view.contains("これ以降もエラーが存在します。\n\n"));
}

TEST(ProgramVerify, EverythingIsHeldBackWhileAnOperationRuns)
{
    test::Board_session s({"--late-ms", "30"});
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    set_words({{0, "0123"}, {40, "0456"}});
    bool checked = false, held_back = false;
    QTimer::singleShot(100, [&] {
        auto &w = W();
        checked = true;
        held_back = !w.Command_program->isEnabled() && !w.Command_erase->isEnabled() && !w.Command_read->isEnabled()
                    && !w.Command_open->isEnabled() && !w.Command_Com->isEnabled() && !w.mnuFileOpen->isEnabled()
                    && !w.nmuBufClear->isEnabled() && !w.mnuInit->isEnabled() && !w.mnuOption->isEnabled()
                    && !w.command_buttons.at("read_data")->isEnabled() && w.Command_cancel->isVisible()
                    && w.Command_cancel->isEnabled();
        w.Command_erase->click();  // disabled: nothing happens
    });
    W().Command_program->click();
    EXPECT_TRUE(checked);
    EXPECT_TRUE(held_back);
    EXPECT_EQ(status_text(3), "正常終了しました。");
    EXPECT_TRUE(W().Command_erase->isEnabled() && W().mnuFileOpen->isEnabled()
                && W().command_buttons.at("read_data")->isEnabled());
}

} // namespace
