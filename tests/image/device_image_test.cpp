// The device image of a session: clearing, and the dump file "sx_hex.txt".

#include "image/device_image.h"
#include "image/hex_import.h"

#include "core_kit.h"
#include "fuse/option_tables.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString dot = QStringLiteral("･");

// Word lines of blank words from `from` up to `to`, CR LF after each.
QString blank_lines(int from, int to)
{
    QString s;
    for (int a = from; a <= to; a += 8)
        s += QStringLiteral("%1:").arg(a, 4, 16, QLatin1Char('0')).toUpper() + QStringLiteral(" 0FFF").repeated(8) +
             ' ' + dot.repeated(16) + "\r\n";
    return s;
}

struct Image : ::testing::Test {
    QTemporaryDir work;
    session::Session s;
    test::Recorder heard;
    void SetUp() override
    {
        s.App_path = work.path() + QDir::separator();
        s.set_listener(&heard);
        fuse::Combo_init(s);
    }
    QString dump() const { return QString::fromUtf8(test::read_file(image::dump_path(s))); }
};

TEST_F(Image, ClearingBlanksBothBuffersTheWordsTheAddressAndThePanel)
{
    s.Mem_buffer[5000] = QStringLiteral("0ABC");
    s.Read_buffer[4095] = QStringLiteral("0123");
    s.Last_address = 511;
    s.set_address(-1);
    s.Label_fuse_word = s.Label_fusex_word_bin = s.Label_device_word = QStringLiteral("0000");
    s.fuse_panel.Check_CP = fuse::checked;

    image::Clear_image(s);

    for (const std::vector<QString> *buffer : {&s.Mem_buffer, &s.Read_buffer})
        EXPECT_EQ(std::count(buffer->begin(), buffer->end(), QStringLiteral("0FFF")), 5001);
    EXPECT_EQ(QStringList({s.Label_fuse_word, s.Label_fuse_word_bin, s.Label_fusex_word, s.Label_fusex_word_bin,
                           s.Label_device_word, s.Label_device_word_bin, s.address_pc, QString::number(s.Address_pc),
                           QString::number(s.Last_address), QString::number(s.fuse_panel.Check_CP),
                           QString::number(s.device_panel.Combo_MEM_DEVICE)})
                  .join(' '),
              "0FFF 111111111111 0FFF 111111111111 0FFE 111111111110 0xFFF 4095 2047 0 2");
}

// Words are shown four characters wide, with the characters of their two bytes.
TEST_F(Image, DumpShowsTheProgramMemoryAndTheWords)
{
    for (const auto &[address, word] : {std::pair{0, "0041"}, {1, "12"}, {2, "123456"}, {3, "0fff"}, {7, "007A"},
                                        {511, "0020"}, {512, "0123"}})  // 512: beyond the chip, not shown
        s.Mem_buffer[size_t(address)] = QString::fromLatin1(word);
    s.Last_address = 511;
    s.Label_fuse_word = QStringLiteral("0F7F");
    s.Label_fusex_word = QStringLiteral("0BFF");

    image::Dump_image(s);

    EXPECT_EQ(dump(), "0000: 0041 12   1234 0fff 0FFF 0FFF 0FFF 007A " + dot + "A" + dot.repeated(3) + "4" +
                          dot.repeated(9) + "z\r\n" + blank_lines(8, 0x1F0) + "01F8:" +
                          QStringLiteral(" 0FFF").repeated(7) + " 0020 " + dot.repeated(15) +
                          " \r\nFUSE  =0F7F\r\nFUSEX =0BFF\r\n");
    image::Clear_and_dump(s);
    EXPECT_EQ(dump(), blank_lines(0, 0x7F8) + "FUSE  =0FFF\r\nFUSEX =0FFF\r\n");

    // A session without a folder for it keeps no dump.
    s.App_path.clear();
    EXPECT_EQ(image::dump_path(s), "");
    image::Dump_image(s);
    EXPECT_FALSE(heard.statuses.join('|').contains("sx_hex.txt"));
}

TEST_F(Image, UnwritableDumpIsReportedAndClearingStillHappens)
{
    // The folder lies under a regular file, so nothing can be created there.
    test::write_file(work.path() + "/file", "");
    s.App_path = work.path() + "/file/";
    s.Mem_buffer[0] = QStringLiteral("0123");
    image::Dump_image(s);
    image::Clear_and_dump(s);
    ASSERT_EQ(heard.statuses.size(), 2);
    EXPECT_TRUE(heard.statuses[0].startsWith(QStringLiteral("3 sx_hex.txtを書き込めません: ")) && heard.statuses[0].size() > 22)
        << heard.statuses[0].toStdString();  // with the reason
    EXPECT_EQ(heard.statuses[1], heard.statuses[0]);
    EXPECT_EQ(s.Mem_buffer[0], "0FFF");
}

// What Import_hex says of each kind of file; only a clean one changes the image.
TEST_F(Image, ImportSaysHowTheFileEnded)
{
    test::write_file(work.path() + "/big.hex", QByteArray(image::max_hex_file_size + 1, '\n'));
    test::write_file(work.path() + "/text.hex", "shopping list\n");
    test::write_file(work.path() + "/bad.hex", ":04000000230145048E\n");  // checksum 8F
    test::write_file(work.path() + "/good.hex", ":04000000230156047E\n:00000001FF\n");
    const std::pair<const char *, const char *> files[] = {
        {"none.hex", "1 0 0123"}, {"", "1 0 0123"}, {".", "4 0 0123"}, {"big.hex", "5 0 0123"},
        {"text.hex", "2 0 0123"}, {"bad.hex", "3 0 0123"}, {"good.hex", "0 1 0123 0456"},
    };
    for (const auto &[name, expected] : files) {
        s.Mem_buffer[0] = "0123";
        const image::Import_result r = image::Import_hex(s, *name ? work.path() + '/' + name : QString());
        EXPECT_EQ(QString("%1 %2 %3").arg(int(r.end)).arg(r.fuse_warning).arg(s.Mem_buffer[0]) +
                      (r.end == image::Import_result::read ? ' ' + s.Mem_buffer[1] : QString()),
                  QString(expected))
            << name;
    }
}

} // namespace
