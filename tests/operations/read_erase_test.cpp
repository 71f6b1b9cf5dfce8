// Read and Erase through the real buttons, against the simulated board.

#include "board_session.h"

#include "image/device_image.h"
#include "state/status_bar.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QComboBox>
#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

using state::status_text;

state::FrmMain &W() { return state::frmMain(); }

QStringList dump_file_lines()
{
    QFile f(image::dump_path());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split("\r\n");
}

TEST(Read, ReproducesTheChipInTheImageAndTheDump)
{
    const sim::Chip chip = test::chip_with(0xFF7, 0xDFF, {{0, 0x041}, {1, 0x123}, {2047, 0x800}});
    test::Board_session s({}, &chip);
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    W().Command_read->click();

    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(status_text(3), "読み出し終了");
    EXPECT_EQ(state::Last_address, 2047);
    EXPECT_EQ(state::Mem_buffer[0], "0041");
    EXPECT_EQ(state::Mem_buffer[1], "0123");
    EXPECT_EQ(state::Mem_buffer[2], "0FFF");
    EXPECT_EQ(state::Mem_buffer[2047], "0800");
    EXPECT_EQ(W().Label_fuse_word->text(), "0FF7");
    EXPECT_EQ(W().Label_fusex_word->text(), "0DFF");
    EXPECT_EQ(W().Label_device_word->text(), "0FFE");

    const QStringList lines = dump_file_lines();
    ASSERT_EQ(lines.size(), 256 + 2 + 1);  // the last line ends in CR LF too
    EXPECT_EQ(lines[0], QString("0000: 0041 0123 0FFF 0FFF 0FFF 0FFF 0FFF 0FFF ･A･#") + QString(12, QChar(0xFF65)));
    EXPECT_TRUE(lines[255].startsWith("07F8: 0FFF"));
    EXPECT_EQ(lines[256], "FUSE  =0FF7");
    EXPECT_EQ(lines[257], "FUSEX =0DFF");
    EXPECT_EQ(lines[258], "");
    EXPECT_TRUE(W().RTextBox_memory->toPlainText().startsWith("0000: 0041 0123"));
}

TEST(Read, FiveHundredTwelveWordChipGivesSixtyFourLines)
{
    // FUSEX memory field 00: 512 words.
    const sim::Chip chip = test::chip_with(0xFFF, 0xDFC, {{511, 0x0AA}, {600, 0x0BB}});
    test::Board_session s({}, &chip);
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    state::Read_buffer[600] = "0999";  // entries above the chip's memory keep what they held
    W().Command_read->click();
    EXPECT_EQ(status_text(3), "読み出し終了");
    EXPECT_EQ(state::Last_address, 511);
    const QStringList lines = dump_file_lines();
    ASSERT_EQ(lines.size(), 64 + 2 + 1);
    EXPECT_TRUE(lines[63].startsWith("01F8: "));
    EXPECT_TRUE(lines[63].contains(" 00AA "));
    EXPECT_EQ(state::Mem_buffer[511], "00AA");
    EXPECT_EQ(state::Mem_buffer[600], "0999");
}

TEST(Read, DumpThatCannotBeCreatedStopsTheRunAndKeepsTheImage)
{
    test::Board_session s;
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    state::Mem_buffer[0] = "0ABC";
    const QString dump = image::dump_path();
    QFile::remove(dump);
    QDir().mkpath(dump);  // a folder where the file should be
    W().Command_read->click();
    QDir().rmdir(dump);
    EXPECT_EQ(status_text(3), "処理中止 (2)");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "error");
    EXPECT_EQ(state::Mem_buffer[0], "0ABC");
}

TEST(Erase, LeavesTheImageAndShowsTheErasedChip)
{
    const sim::Chip chip = test::chip_with(0x0F7, 0x0DFD, {{0, 0x123}});
    test::Board_session s({}, &chip);
    ASSERT_TRUE(s.connected);
    test::Message_script boxes;
    state::Mem_buffer[0] = "0555";
    W().Command_erase->click();

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "ﾃﾞﾊﾞｲｽ消去");
    EXPECT_EQ(boxes.shown[0].text, "ﾃﾞﾊﾞｲｽを消去します。");
    EXPECT_EQ(boxes.shown[0].icon, platform::Icon::exclamation);
    EXPECT_EQ(boxes.shown[0].buttons, platform::Buttons::ok);
    EXPECT_EQ(state::Mem_buffer[0], "0555");
    EXPECT_EQ(W().Label_fuse_word->text(), "0FFF");
    EXPECT_EQ(W().Label_fusex_word->text(), "0FFF");
    EXPECT_EQ(W().Label_device_word->text(), "0FFE");
    EXPECT_EQ(W().Combo_BPXa->currentIndex(), 3);
    EXPECT_EQ(state::Last_address, 2047);
    EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(status_text(4)).hasMatch());
    EXPECT_EQ(status_text(3), "初期設定完了");  // Erase leaves panel 3 alone
    const sim::Chip after = s.chip_now();
    EXPECT_EQ(after.words[0], 0xFFF);
    EXPECT_EQ(after.fuse, 0xFFF);
}

} // namespace
