// The parts of production runs that need no board: the --serial value, RETW words, where a
// number may go, the numbers file, CRC-32 and CSV fields.

#include "batch/production_log.h"
#include "batch/serial_numbers.h"
#include "batch/watch_mode.h"
#include "core_kit.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace batch;

TEST(SerialNumbers, PlanTextWordsAndTarget)
{
    const struct {
        QString text;
        bool ok;
        int address;
        std::uint64_t start, step;
    } plans[] = {
        {"0x7F0:1000", true, 0x7F0, 1000, 1},  {"16:0x10:0x2", true, 16, 16, 2}, {"0:0:1", true, 0, 0, 1},
        {"0x800:1", false, 0, 0, 0},           {"5", false, 0, 0, 0},            {"5:1:0", false, 0, 0, 0},
        {"5:-1", false, 0, 0, 0},              {"5:x", false, 0, 0, 0},          {"5:1:2:3", false, 0, 0, 0},
    };
    for (const auto &c : plans) {
        Serial_plan s;
        EXPECT_EQ(parse_serial_plan(c.text, s).isEmpty(), c.ok) << c.text.toStdString();
        EXPECT_TRUE(!c.ok || (s.address == c.address && s.start == c.start && s.step == c.step)) << c.text.toStdString();
    }
    EXPECT_EQ(retw_words(0x12345678, 4), (std::vector<int>{0x878, 0x856, 0x834, 0x812}));
    EXPECT_EQ(retw_words(1000, 2), (std::vector<int>{0x8E8, 0x803}));
    EXPECT_EQ(retw_words(7, 1), (std::vector<int>{0x807}));
    EXPECT_TRUE(serial_fits(65535, 2) && serial_fits(~0ull, 8));
    EXPECT_FALSE(serial_fits(65536, 2));

    const auto word_at = [](int a) { return a == 0x20 ? 0x123 : 0xFFF; };
    const struct {
        int address, bytes, last;
        const char *problem;  // part of the reason; empty: accepted
    } targets[] = {
        {0x1E, 2, 0x7FF, ""},          {0x1F, 2, 0x7FF, "already holds the word 123 at 0x020"},
        {0x1FF, 1, 0x1FF, ""},         {0x1FF, 2, 0x1FF, "0x1FF to 0x200 lies outside the chip's memory (0x000 to 0x1FF)"},
    };
    for (const auto &t : targets) {
        Serial_plan s;
        s.address = t.address;
        s.bytes = t.bytes;
        const QString problem = serial_target_problem(s, t.last, word_at);
        EXPECT_EQ(problem.isEmpty(), !*t.problem) << problem.toStdString();
        EXPECT_TRUE(problem.contains(t.problem)) << problem.toStdString();
    }
}

TEST(SerialNumbers, TheFileHandsEveryNumberOutOnce)
{
    Serial_pool pool;
    ASSERT_TRUE(parse_serial_pool(nullptr, 100, pool).isEmpty());  // no file: START
    EXPECT_EQ(take_serial(pool, 10, 2, "COM1"), 100u);
    EXPECT_EQ(take_serial(pool, 10, 2, "COM2"), 110u);
    EXPECT_EQ(take_serial(pool, 10, 2, "COM3"), 120u);
    EXPECT_TRUE(settle_serial(pool, 110, false));  // COM2 failed: 110 goes back
    EXPECT_TRUE(settle_serial(pool, 100, true) && !settle_serial(pool, 100, true));
    const QByteArray text = format_serial_pool(pool);
    EXPECT_TRUE(text.endsWith("next 130\nfree 110\npending 120 COM3\n")) << text.toStdString();

    Serial_pool again;
    ASSERT_TRUE(parse_serial_pool(&text, 5, again).isEmpty());
    EXPECT_EQ(take_serial(again, 10, 2, "COM4"), 110u);  // the free one first
    EXPECT_EQ(take_serial(again, 10, 2, "COM5"), 130u);
    settle_serial(again, 130, false);
    settle_serial(again, 120, false);
    EXPECT_TRUE(format_serial_pool(again).endsWith("next 140\nfree 120\nfree 130\npending 110 COM4\n"));

    Serial_pool full;
    const QByteArray last = "next 255\n";
    ASSERT_TRUE(parse_serial_pool(&last, 0, full).isEmpty());
    EXPECT_EQ(take_serial(full, 1, 1, "x"), 255u);
    EXPECT_FALSE(take_serial(full, 1, 1, "x"));  // 256 does not fit in a byte
}

// Every read checks the whole file; what is wrong names its line.
TEST(SerialNumbers, AFileThatCouldGiveANumberTwiceIsRefused)
{
    const std::pair<QByteArray, const char *> files[] = {
        {"# a comment\n\n next  1003 \r\nfree 1001\npending 1002 COM1, process 1\n", ""},
        {"", "the line 'next N' is missing"},
        {"# only a comment\n", "the line 'next N' is missing"},
        {"next 1003\nfree 1004\n", "line 2: 1004 is not below 'next 1003'"},
        {"next 1006\nfree 1005\nfree 1005\n", "line 3: 1005 is listed in line 2 already"},
        {"next 1006\npending 1005 COM1\nfree 1005\n", "line 3: 1005 is listed in line 2 already"},
        {"next 1003\nnext 1004\n", "line 2 is a second 'next' line (the first is line 1)"},
        {QByteArray("next 10\0" "05\n", 11), "line 1 is not"},
        {"next 5 more\n", "line 1 is not"}, {"next -5\n", "line 1 is not"}, {"what 5\n", "line 1 is not"},
        {"next 0x10\n", "line 1 is not"}, {"free 3\n", "the line 'next N' is missing"},
    };
    for (const auto &[contents, problem] : files) {
        Serial_pool pool;
        const QString found = parse_serial_pool(&contents, 1, pool);
        EXPECT_TRUE(*problem ? found.startsWith(QString::fromUtf8(problem)) : found.isEmpty())
            << contents.toStdString() << ": " << found.toStdString();
    }
    EXPECT_EQ(parse_number(" 0x1F "), 31u);
    EXPECT_FALSE(parse_number("0x1F", false) || parse_number("+5") || parse_number("") || parse_number("1 2"));
    EXPECT_EQ(byte_count(1) + '|' + byte_count(4), "1 byte|4 bytes");
}

TEST(ProductionLog, CrcAndCsv)
{
    EXPECT_EQ(crc32("123456789"), 0xCBF43926u);  // the CRC-32 check value
    EXPECT_EQ(crc32(word_bytes({0x123, 0x456, 0xFF7, 0xFBF})), 0x78F43A87u);  // python3 zlib.crc32
    EXPECT_EQ(word_bytes({0x123, 0xFBF}), QByteArray("\x23\x01\xBF\x0F", 4));
    EXPECT_EQ(csv_row({"plain", "a,b", "say \"hi\"", "two\nlines", ""}),
              QByteArray("plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\r\n"));
}

// Watch mode takes a version only once it reads to its end record.
TEST(WatchMode, AFileCountsOnceItEndsWithTheEndRecord)
{
    QTemporaryDir dir;
    const QString file = dir.path() + "/f.hex";
    const std::pair<QByteArray, QString> cases[] = {
        {":020000002301DA\n:00000001FF\n\n", ""},
        {":020000002301DA\n", "does not end with the end record yet"},
        {":020000002301DA\n:020000040000FA\n", "does not end with the end record yet"},  // an address record last
        {":020000002301DA\n:0200", "not a complete Intel HEX file (line 2: record too short)"},
    };
    for (const auto &[text, problem] : cases) {
        test::write_file(file, text);
        const QString found = hex_file_problem(file);
        EXPECT_TRUE(problem.isEmpty() ? found.isEmpty() : found.contains(problem)) << found.toStdString();
    }
}

} // namespace
