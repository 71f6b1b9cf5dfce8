// The device image: clearing, the dump file "sx_hex.txt" and the memory view.

#include "image/device_image.h"

#include "state/frm_main.h"
#include "state/globals.h"
#include "support.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace {

const QString dot = QStringLiteral("･");

QString dump_file() { return QString::fromUtf8(test::read_file(image::dump_path())); }

// Word lines of blank words from `from` up to `to`, CR LF after each.
QString blank_lines(int from, int to)
{
    QString s;
    for (int a = from; a <= to; a += 8)
        s += QStringLiteral("%1:").arg(a, 4, 16, QLatin1Char('0')).toUpper() + QStringLiteral(" 0FFF").repeated(8) +
             ' ' + dot.repeated(16) + "\r\n";
    return s;
}

TEST(DeviceImage, ClearingBlanksBothBuffersTheWordsAndTheAddress)
{
    state::FrmMain &w = test::program_at_rest();
    state::Mem_buffer[5000] = QStringLiteral("0ABC");
    state::Read_buffer[4095] = QStringLiteral("0123");
    state::Last_address = 511;
    state::Address_pc = -1;
    w.address_pc->setText(QStringLiteral("0x000"));
    for (QLabel *label : {w.Label_fuse_word, w.Label_fusex_word_bin, w.Label_device_word})
        label->setText(QStringLiteral("0000"));

    image::Clear_image();

    for (const std::vector<QString> *buffer : {&state::Mem_buffer, &state::Read_buffer})
        EXPECT_EQ(std::count(buffer->begin(), buffer->end(), QStringLiteral("0FFF")), 5001);
    EXPECT_EQ(QStringList({w.Label_fuse_word->text(), w.Label_fuse_word_bin->text(), w.Label_fusex_word->text(),
                           w.Label_fusex_word_bin->text(), w.Label_device_word->text(), w.Label_device_word_bin->text(),
                           w.address_pc->text(), QString::number(state::Address_pc),
                           QString::number(state::Last_address)}).join(' '),
              "0FFF 111111111111 0FFF 111111111111 0FFE 111111111110 0xFFF 4095 2047");
}

// Words are shown four characters wide, with the characters of their two bytes.
TEST(DeviceImage, DumpAndMemoryViewShowTheProgramMemoryAndTheWordLabels)
{
    state::FrmMain &w = test::program_at_rest();
    for (const auto &[address, word] : {std::pair{0, "0041"}, {1, "12"}, {2, "123456"}, {3, "0fff"}, {7, "007A"},
                                        {511, "0020"}, {512, "0123"}})  // 512: beyond the chip, not shown
        state::Mem_buffer[size_t(address)] = QString::fromLatin1(word);
    state::Last_address = 511;
    w.Label_fuse_word->setText(QStringLiteral("0F7F"));
    w.Label_fusex_word->setText(QStringLiteral("0BFF"));

    image::Dump_image();

    const QString expected = "0000: 0041 12   1234 0fff 0FFF 0FFF 0FFF 007A " + dot + "A" + dot.repeated(3) + "4" +
                             dot.repeated(9) + "z\r\n" + blank_lines(8, 0x1F0) + "01F8:" +
                             QStringLiteral(" 0FFF").repeated(7) + " 0020 " + dot.repeated(15) +
                             " \r\nFUSE  =0F7F\r\nFUSEX =0BFF\r\n";
    EXPECT_EQ(dump_file(), expected);
    EXPECT_EQ(w.RTextBox_memory->toPlainText(), QString(expected).replace("\r\n", "\n"));
    EXPECT_TRUE(!w.RTextBox_memory->isHidden() && w.RTextBox_memory->font().fixedPitch());

    // The buffer-clear menu item clears and dumps, and keeps the document and the caption.
    state::Open_file_name = QStringLiteral("/tmp/program.hex");
    w.setWindowTitle(QStringLiteral("Qorvil    /tmp/program.hex"));
    w.nmuBufClear->trigger();
    EXPECT_EQ(dump_file(), blank_lines(0, 0x7F8) + "FUSE  =0FFF\r\nFUSEX =0FFF\r\n");
    EXPECT_EQ(state::Open_file_name + '|' + w.windowTitle(), "/tmp/program.hex|Qorvil    /tmp/program.hex");
}

TEST(DeviceImage, UnwritableDumpIsReportedAndTheViewKeepsItsContent)
{
    state::FrmMain &w = test::program_at_rest();
    const QString before = w.RTextBox_memory->toPlainText();
    // The work folder lies under a regular file, so nothing can be created there (until the
    // next fresh program).
    qputenv("QORVIL_WORK_DIR", image::dump_path().toUtf8() + "/work");
    state::Mem_buffer[0] = QStringLiteral("0123");
    image::Dump_image();
    const QString panel = w.sbPanel[3]->text();
    const bool view_hidden = w.RTextBox_memory->isHidden();
    image::Clear_and_dump();
    const QString panel_after_clear = w.sbPanel[3]->text();

    EXPECT_TRUE(panel.startsWith(QStringLiteral("sx_hex.txtを書き込めません: ")) && panel.size() > 20) << panel.toStdString();  // with the reason
    EXPECT_TRUE(panel_after_clear == panel && !view_hidden);
    EXPECT_EQ(w.RTextBox_memory->toPlainText(), before);
    EXPECT_EQ(state::Mem_buffer[0], "0FFF");  // the clearing itself still happened
}

} // namespace
