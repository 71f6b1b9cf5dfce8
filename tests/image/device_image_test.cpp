// The device image: clearing, the dump file "sx_hex.txt" and the memory view.

#include "image/device_image.h"

#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"
#include "support.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString dot = QString(QChar(0xFF65));

QByteArray dump_bytes()
{
    QFile f(image::dump_path());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The dump as text lines, CR LF taken off.
QStringList dump_file_lines()
{
    QString text = QString::fromUtf8(dump_bytes());
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    return text.split(QStringLiteral("\r\n"));
}

QByteArray blank_dump(int word_lines)
{
    QByteArray expected;
    for (int i = 0; i < word_lines; ++i)
        expected += QStringLiteral("%1:").arg(i * 8, 4, 16, QLatin1Char('0')).toUpper().toUtf8()
                    + QStringLiteral(" 0FFF").repeated(8).toUtf8() + ' ' + dot.repeated(16).toUtf8() + "\r\n";
    return expected + "FUSE  =0FFF\r\nFUSEX =0FFF\r\n";
}

class DeviceImage : public ::testing::Test {
protected:
    void SetUp() override { w = &test::program_at_rest(); }
    void TearDown() override { test::fresh_program(); }

    state::FrmMain *w = nullptr;
};

TEST_F(DeviceImage, ClearingBlanksBothBuffersTheWordsAndTheAddress)
{
    state::Mem_buffer[5000] = QStringLiteral("0ABC");
    state::Read_buffer[4095] = QStringLiteral("0123");
    state::Last_address = 511;
    state::Address_pc = -1;
    w->address_pc->setText(QStringLiteral("0x000"));
    for (QLabel *label : {w->Label_fuse_word, w->Label_fusex_word_bin, w->Label_device_word})
        label->setText(QStringLiteral("0000"));

    image::Clear_image();

    for (int a = 0; a < state::image_size; ++a) {
        ASSERT_EQ(state::Mem_buffer[size_t(a)], "0FFF") << a;
        ASSERT_EQ(state::Read_buffer[size_t(a)], "0FFF") << a;
    }
    EXPECT_EQ(state::Last_address, 2047);
    EXPECT_EQ(state::Address_pc, 0xFFF);
    EXPECT_EQ(w->address_pc->text(), "0xFFF");
    const std::pair<QLabel *, const char *> labels[] = {
        {w->Label_fuse_word, "0FFF"},   {w->Label_fuse_word_bin, "111111111111"},
        {w->Label_fusex_word, "0FFF"},  {w->Label_fusex_word_bin, "111111111111"},
        {w->Label_device_word, "0FFE"}, {w->Label_device_word_bin, "111111111110"},
    };
    for (const auto &[label, text] : labels)
        EXPECT_EQ(label->text(), text) << label->objectName().toStdString();
}

TEST_F(DeviceImage, BlankDumpIsByteForByteTheProgramMemoryOfTheChip)
{
    image::Clear_and_dump();
    const QByteArray bytes = dump_bytes();
    EXPECT_EQ(bytes, blank_dump(256));
    EXPECT_TRUE(bytes.startsWith("0000:" + QByteArray(" 0FFF").repeated(8) + ' ' + dot.repeated(16).toUtf8() + "\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n07F8: 0FFF"));
    EXPECT_EQ(bytes.count("\r\n"), 258);

    const std::tuple<int, int, const char *> sizes[] = {{511, 64, "01F8:"}, {1023, 128, "03F8:"}};
    for (const auto &[last, word_lines, last_line] : sizes) {
        state::Last_address = int16_t(last);
        image::Dump_image();
        EXPECT_EQ(dump_bytes(), blank_dump(word_lines)) << last;
        EXPECT_TRUE(dump_file_lines()[word_lines - 1].startsWith(QLatin1String(last_line))) << last;
    }
}

TEST_F(DeviceImage, DumpAndMemoryViewShowTheImageWordsFourCharactersWideTheirCharactersAndTheLabels)
{
    state::Mem_buffer[0] = QStringLiteral("0041");
    state::Mem_buffer[1] = QStringLiteral("12");
    state::Mem_buffer[2] = QStringLiteral("123456");
    state::Mem_buffer[3] = QStringLiteral("0fff");
    state::Mem_buffer[7] = QStringLiteral("007A");
    state::Mem_buffer[2047] = QStringLiteral("0020");
    state::Mem_buffer[2048] = QStringLiteral("0123");  // beyond the chip: not written
    w->Label_fuse_word->setText(QStringLiteral("0F7F"));
    w->Label_fusex_word->setText(QStringLiteral("0BFF"));

    image::Dump_image();

    const QStringList lines = dump_file_lines();
    ASSERT_EQ(lines.size(), 258);
    EXPECT_EQ(lines[0], "0000: 0041 12   1234 0fff 0FFF 0FFF 0FFF 007A " + dot + "A" + dot.repeated(3) + "4"
                            + dot.repeated(9) + "z");
    EXPECT_EQ(lines[255], "07F8: 0FFF 0FFF 0FFF 0FFF 0FFF 0FFF 0FFF 0020 " + dot.repeated(15) + " ");
    EXPECT_EQ(lines[256], "FUSE  =0F7F");
    EXPECT_EQ(lines[257], "FUSEX =0BFF");

    EXPECT_EQ(w->RTextBox_memory->toPlainText().split(QLatin1Char('\n')).mid(0, 258), lines);
    EXPECT_FALSE(w->RTextBox_memory->isHidden());
    EXPECT_TRUE(w->RTextBox_memory->isReadOnly());
    EXPECT_TRUE(w->RTextBox_memory->font().fixedPitch());
}

TEST_F(DeviceImage, UnwritableDumpIsReportedAndTheViewKeepsItsContent)
{
    const QString before = w->RTextBox_memory->toPlainText();
    ASSERT_FALSE(before.isEmpty());

    // The work folder lies under a regular file, so nothing can be created there.
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QByteArray saved = qgetenv("QORVIL_WORK_DIR");
    qputenv("QORVIL_WORK_DIR", (blocker.fileName() + QStringLiteral("/work")).toUtf8());

    state::Mem_buffer[0] = QStringLiteral("0123");
    image::Dump_image();
    const QString after_dump = w->RTextBox_memory->toPlainText();
    const QString panel = w->sbPanel[3]->text();
    const bool view_hidden = w->RTextBox_memory->isHidden();
    image::Clear_and_dump();
    const QString after_clear = w->RTextBox_memory->toPlainText();
    const QString panel_after_clear = w->sbPanel[3]->text();

    qputenv("QORVIL_WORK_DIR", saved);

    const QString reported = QStringLiteral("sx_hex.txtを書き込めません: ");
    EXPECT_TRUE(panel.startsWith(reported)) << panel.toStdString();
    EXPECT_GT(panel.size(), reported.size());  // with the reason
    EXPECT_EQ(panel_after_clear, panel);
    EXPECT_EQ(after_dump, before);
    EXPECT_FALSE(view_hidden);
    EXPECT_EQ(after_clear, before);
    EXPECT_EQ(state::Mem_buffer[0], "0FFF");  // the clearing itself still happened
}

TEST_F(DeviceImage, BufferClearMenuClearsAndDumpsButKeepsTheDocument)
{
    state::Mem_buffer[3] = QStringLiteral("0ABC");
    state::Last_address = 511;
    state::Open_file_name = QStringLiteral("/tmp/program.hex");
    w->setWindowTitle(QStringLiteral("Qorvil Version 1.6.40    /tmp/program.hex"));
    image::Dump_image();

    w->nmuBufClear->trigger();

    EXPECT_EQ(state::Mem_buffer[3], "0FFF");
    EXPECT_EQ(state::Last_address, 2047);
    EXPECT_EQ(dump_bytes(), blank_dump(256));
    EXPECT_EQ(state::Open_file_name, "/tmp/program.hex");
    EXPECT_EQ(w->windowTitle(), "Qorvil Version 1.6.40    /tmp/program.hex");
}

} // namespace
