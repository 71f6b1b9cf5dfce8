// The device image: clearing, the dump file "sx_hex.txt" and the memory view.

#include "image/device_image.h"

#include "fuse/option_tables.h"
#include "fuse/panel_behaviour.h"
#include "shell/frm_main.h"
#include "shell/globals.h"
#include "shell/windows.h"
#include "test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString dot = QString(QChar(0xFF65));

QByteArray file_bytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// The dump as text lines, CR LF taken off.
QStringList dump_file_lines()
{
    QString text = QString::fromUtf8(file_bytes(image::dump_path()));
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    return text.split(QStringLiteral("\r\n"));
}

QByteArray blank_dump(int word_lines)
{
    QByteArray expected;
    const QString words = QStringLiteral(" 0FFF").repeated(8);
    for (int i = 0; i < word_lines; ++i) {
        const QString line = QStringLiteral("%1:").arg(i * 8, 4, 16, QLatin1Char('0')).toUpper() + words
                             + QLatin1Char(' ') + dot.repeated(16);
        expected += line.toUtf8() + "\r\n";
    }
    expected += "FUSE  =0FFF\r\nFUSEX =0FFF\r\n";
    return expected;
}

// Records when a widget is hidden and shown again.
class Visibility_log : public QObject {
public:
    QStringList events;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Hide)
            events << QStringLiteral("hide");
        else if (e->type() == QEvent::Show)
            events << QStringLiteral("show");
        return false;
    }
};

class DeviceImage : public ::testing::Test {
protected:
    void SetUp() override
    {
        w = test::program_at_rest();
    }
    void TearDown() override { test::fresh_program(); }

    shell::FrmMain *w = nullptr;
};

TEST_F(DeviceImage, ClearingBlanksBothBuffersTheWordsAndTheAddress)
{
    state::Mem_buffer[5] = QStringLiteral("1234");
    state::Mem_buffer[5000] = QStringLiteral("0ABC");
    state::Read_buffer[4095] = QStringLiteral("0123");
    state::Last_address = 511;
    state::Address_pc = -1;
    w->address_pc->setText(QStringLiteral("0x000"));
    w->Label_fuse_word->setText(QStringLiteral("0123"));
    w->Label_fusex_word_bin->setText(QStringLiteral("000000000000"));
    w->Label_device_word->setText(QStringLiteral("0000"));

    image::Clear_image();

    for (int a = 0; a < state::image_size; ++a) {
        ASSERT_EQ(state::Mem_buffer[size_t(a)], "0FFF") << a;
        ASSERT_EQ(state::Read_buffer[size_t(a)], "0FFF") << a;
    }
    EXPECT_EQ(state::Last_address, 2047);
    EXPECT_EQ(state::Address_pc, 0xFFF);
    EXPECT_EQ(w->address_pc->text(), "0xFFF");
    EXPECT_EQ(w->Label_fuse_word->text(), "0FFF");
    EXPECT_EQ(w->Label_fuse_word_bin->text(), "111111111111");
    EXPECT_EQ(w->Label_fusex_word->text(), "0FFF");
    EXPECT_EQ(w->Label_fusex_word_bin->text(), "111111111111");
    EXPECT_EQ(w->Label_device_word->text(), "0FFE");
    EXPECT_EQ(w->Label_device_word_bin->text(), "111111111110");
}

TEST_F(DeviceImage, ClearingDecodesTheNewWordsIntoThePanel)
{
    w->Combo_FOSC->setCurrentIndex(0);
    w->Check_CP->setCheckState(Qt::Checked);
    w->Text_IRCTRIMa->setText(QStringLiteral("000"));
    w->Combo_MEM_DEVICE->setCurrentIndex(0);

    image::Clear_image();

    EXPECT_EQ(w->Combo_FOSC->currentIndex(), 3);
    EXPECT_EQ(w->Check_CP->checkState(), Qt::Unchecked);
    EXPECT_EQ(w->Text_IRCTRIMa->text(), "111");
    EXPECT_EQ(w->Combo_MEM_DEVICE->currentIndex(), 2);
}

TEST_F(DeviceImage, DumpAfterClearingIsByteForByteTheBlankImage)
{
    image::Clear_and_dump();

    const QByteArray bytes = file_bytes(image::dump_path());
    EXPECT_EQ(bytes, blank_dump(256));

    const QStringList lines = dump_file_lines();
    ASSERT_EQ(lines.size(), 258);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(lines[i].size(), 62) << i;
    EXPECT_TRUE(lines.first().startsWith(QLatin1String("0000: 0FFF")));
    EXPECT_TRUE(lines[255].startsWith(QLatin1String("07F8: 0FFF")));
    EXPECT_EQ(lines[256], "FUSE  =0FFF");
    EXPECT_EQ(lines[257], "FUSEX =0FFF");
}

TEST_F(DeviceImage, DumpCoversOnlyTheProgramMemoryOfTheChip)
{
    image::Clear_image();
    state::Last_address = 511;
    image::Dump_image();
    EXPECT_EQ(file_bytes(image::dump_path()), blank_dump(64));

    state::Last_address = 1023;
    image::Dump_image();
    const QStringList lines = dump_file_lines();
    ASSERT_EQ(lines.size(), 130);
    EXPECT_TRUE(lines[127].startsWith(QLatin1String("03F8:")));
}

TEST_F(DeviceImage, DumpShowsTheImageWordsAsTheyStandAndTheirCharacters)
{
    image::Clear_image();
    state::Mem_buffer[0] = QStringLiteral("0041");
    state::Mem_buffer[1] = QStringLiteral("0fff");
    state::Mem_buffer[7] = QStringLiteral("007A");
    state::Mem_buffer[2047] = QStringLiteral("0020");
    state::Mem_buffer[2048] = QStringLiteral("0123");  // beyond the chip: not written
    w->Label_fuse_word->setText(QStringLiteral("0F7F"));
    w->Label_fusex_word->setText(QStringLiteral("0BFF"));

    image::Dump_image();

    const QStringList lines = dump_file_lines();
    ASSERT_EQ(lines.size(), 258);
    EXPECT_EQ(lines[0], "0000: 0041 0fff 0FFF 0FFF 0FFF 0FFF 0FFF 007A " + dot + "A" + dot.repeated(13) + "z");
    EXPECT_EQ(lines[255], "07F8: 0FFF 0FFF 0FFF 0FFF 0FFF 0FFF 0FFF 0020 " + dot.repeated(15) + " ");
    EXPECT_EQ(lines[256], "FUSE  =0F7F");
    EXPECT_EQ(lines[257], "FUSEX =0BFF");
}

TEST_F(DeviceImage, DumpKeepsEveryWordFourCharactersWide)
{
    image::Clear_image();
    state::Mem_buffer[1] = QStringLiteral("12");
    state::Mem_buffer[2] = QStringLiteral("123456");

    image::Dump_image();

    const QStringList lines = dump_file_lines();
    EXPECT_EQ(lines[0].size(), 62);
    EXPECT_TRUE(lines[0].startsWith(QLatin1String("0000: 0FFF 12   1234 0FFF")));
}

TEST_F(DeviceImage, MemoryViewShowsTheDumpFile)
{
    image::Clear_and_dump();
    QStringList shown = w->RTextBox_memory->toPlainText().split(QLatin1Char('\n'));
    if (shown.last().isEmpty())
        shown.removeLast();
    EXPECT_EQ(shown, dump_file_lines());
    EXPECT_TRUE(w->RTextBox_memory->isReadOnly());
    EXPECT_TRUE(w->RTextBox_memory->font().fixedPitch());

    state::Mem_buffer[8] = QStringLiteral("0041");
    image::Dump_image();
    EXPECT_TRUE(w->RTextBox_memory->toPlainText().contains("0008: 0041 0FFF"));
}

TEST_F(DeviceImage, DumpHidesTheViewWhileLoadingAndClearAndDumpDoesNot)
{
    w->show();
    w->SSTab1->show();
    w->SSTab1->setCurrentIndex(3);
    ASSERT_TRUE(test::wait_until([&] { return w->RTextBox_memory->isVisible(); }));
    Visibility_log log;
    w->RTextBox_memory->installEventFilter(&log);

    image::Clear_and_dump();
    EXPECT_TRUE(log.events.isEmpty()) << log.events.join(' ').toStdString();

    image::Dump_image();
    EXPECT_EQ(log.events, QStringList({"hide", "show"}));
    EXPECT_TRUE(w->RTextBox_memory->isVisible());
    w->RTextBox_memory->removeEventFilter(&log);
}

TEST_F(DeviceImage, UnwritableDumpIsReportedAndTheViewKeepsItsContent)
{
    image::Clear_and_dump();
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

    qputenv("QORVIL_WORK_DIR", saved);

    EXPECT_TRUE(panel.startsWith(QStringLiteral("sx_hex.txtを書き込めません: "))) << panel.toStdString();
    EXPECT_GT(panel.size(), QStringLiteral("sx_hex.txtを書き込めません: ").size());
    EXPECT_EQ(after_dump, before);
    EXPECT_FALSE(view_hidden);
    EXPECT_EQ(after_clear, before);
    EXPECT_EQ(state::Mem_buffer[0], "0FFF");  // the clearing itself still happened
}

TEST_F(DeviceImage, BufferClearMenuClearsAndDumpsButKeepsTheDocument)
{
    image::Clear_and_dump();
    state::Mem_buffer[3] = QStringLiteral("0ABC");
    state::Last_address = 511;
    state::Open_file_name = QStringLiteral("/tmp/program.hex");
    w->setWindowTitle(QStringLiteral("Qorvil Version 1.6.40    /tmp/program.hex"));
    image::Dump_image();
    ASSERT_NE(file_bytes(image::dump_path()), blank_dump(256));

    w->nmuBufClear->trigger();

    EXPECT_EQ(state::Mem_buffer[3], "0FFF");
    EXPECT_EQ(state::Last_address, 2047);
    EXPECT_EQ(file_bytes(image::dump_path()), blank_dump(256));
    EXPECT_EQ(state::Open_file_name, "/tmp/program.hex");
    EXPECT_EQ(w->windowTitle(), "Qorvil Version 1.6.40    /tmp/program.hex");
}

} // namespace
