// The record reader and writer on their own, without the window.

#include "image/hex_records.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using namespace image::hex;

struct Result {
    Read_outcome outcome;
    std::map<int, std::string> words;
    int stores = 0;
};

// Reads `text`, handing it over `chunk` bytes at a time.
Result read_text(const std::string &text, std::size_t chunk = 7)
{
    Result r;
    std::size_t pos = 0;
    r.outcome = read_hex(
        [&](char *buffer, long long capacity) -> long long {
            const std::size_t n = std::min({chunk, static_cast<std::size_t>(capacity), text.size() - pos});
            text.copy(buffer, n, pos);
            pos += n;
            return static_cast<long long>(n);
        },
        [&](int address, const std::string &word) {
            r.words[address] = word;
            ++r.stores;
        });
    return r;
}

TEST(HexRecords, ExamineADataRecord)
{
    const Line_info info = examine_line(":06000000120C2800000AAA");
    EXPECT_EQ(info.kind, Line_kind::data);
    EXPECT_EQ(info.byte_count, 6);
    EXPECT_EQ(info.address, 0);
    EXPECT_EQ(info.record_type, 0);
    EXPECT_EQ(info.data, "120C2800000A");
}

TEST(HexRecords, ExamineOtherLines)
{
    EXPECT_EQ(examine_line("").kind, Line_kind::blank);
    EXPECT_EQ(examine_line(" \t ").kind, Line_kind::blank);
    EXPECT_EQ(examine_line("S1130000").kind, Line_kind::not_hex);
    EXPECT_EQ(examine_line(" :00000001FF").kind, Line_kind::not_hex);
    EXPECT_EQ(examine_line(":00000001FF").kind, Line_kind::skipped);
    EXPECT_EQ(examine_line(":020000040001F9").kind, Line_kind::skipped);
    EXPECT_EQ(examine_line(":020000021000EC").kind, Line_kind::skipped);
    EXPECT_EQ(examine_line(":00000000").kind, Line_kind::bad_record);
    EXPECT_EQ(examine_line(":0200000012").kind, Line_kind::bad_record);
    EXPECT_EQ(examine_line(":02000000120CE1").kind, Line_kind::bad_record);  // checksum
    EXPECT_EQ(examine_line(":02000000120CE0").kind, Line_kind::data);
    EXPECT_EQ(examine_line(":02000000120ce0  ").kind, Line_kind::data);
    EXPECT_EQ(examine_line(":02000000120CE0FF").kind, Line_kind::data);     // more than the count says
    EXPECT_EQ(examine_line(":0100000012ED").kind, Line_kind::bad_record);     // odd byte count
    EXPECT_EQ(examine_line(":00000000 0").kind, Line_kind::bad_record);
}

TEST(HexRecords, WordsAreLittleEndianPairsInUpperCase)
{
    const Result r = read_text(":06000000120C2800000AAA\r\n:04001000ab08ff0f2b\r\n:00000001FF\r\n");
    EXPECT_EQ(r.outcome.end, Read_end::end_of_file);
    EXPECT_EQ(r.words.at(0), "0C12");
    EXPECT_EQ(r.words.at(1), "0028");
    EXPECT_EQ(r.words.at(2), "0A00");
    EXPECT_EQ(r.words.at(8), "08AB");
    EXPECT_EQ(r.words.at(9), "0FFF");
    EXPECT_EQ(r.stores, 5);
    EXPECT_FALSE(r.outcome.fuse_found);
    EXPECT_FALSE(r.outcome.fusex_found);
}

TEST(HexRecords, ConfigurationPlaces)
{
    Result r = read_text(":04202000F70FBF0B00\n");
    EXPECT_EQ(r.outcome.end, Read_end::reading_error);  // the checksum is wrong
    r = read_text(":04202000F70FBF0BEC\n");
    EXPECT_EQ(r.outcome.end, Read_end::end_of_file);
    EXPECT_TRUE(r.outcome.fuse_found);
    EXPECT_TRUE(r.outcome.fusex_found);
    EXPECT_EQ(r.outcome.fuse_word, "0FF7");
    EXPECT_EQ(r.outcome.fusex_word, "0BBF");
    r = read_text(":021FFE007A0F58\n");
    EXPECT_TRUE(r.outcome.fuse_found);
    EXPECT_FALSE(r.outcome.fusex_found);
    EXPECT_EQ(r.outcome.fuse_word, "0F7A");
}

TEST(HexRecords, StopsWhereTheFileStopsMakingSense)
{
    Result r = read_text(":02000000120CE0\n\nhello\n:02000200340CBC\n");
    EXPECT_EQ(r.outcome.end, Read_end::not_hex);
    EXPECT_EQ(r.outcome.line_number, 3);
    EXPECT_EQ(r.stores, 1);

    r = read_text(":02000000120CE0\r\n:04271000111122225F\r\n");  // words 5000, 5001
    EXPECT_EQ(r.outcome.end, Read_end::reading_error);
    EXPECT_EQ(r.outcome.line_number, 2);
    EXPECT_EQ(r.words.at(5000), "1111");
    EXPECT_EQ(r.words.count(5001), 0u);
    EXPECT_EQ(r.outcome.problem, "word address beyond the image");
}

TEST(HexRecords, LineEndsAndChunkBoundaries)
{
    const std::string body = ":02000000120CE0|:02000200340CBC|:00000001FF|";
    for (const std::string eol : {"\n", "\r\n", "\r"}) {
        std::string text;
        for (char c : body)
            text += c == '|' ? eol : std::string(1, c);
        for (std::size_t chunk : {1u, 2u, 3u, 16u, 4096u}) {
            const Result r = read_text(text, chunk);
            EXPECT_EQ(r.outcome.end, Read_end::end_of_file);
            EXPECT_EQ(r.outcome.line_number, 3);
            EXPECT_EQ(r.words.at(1), "0C34");
        }
    }
}

TEST(HexRecords, OverlongLinesAndFailingSources)
{
    std::string text = ":" + std::string(max_line_length * 3, '0') + "\n";
    Result r = read_text(text, 1000);
    EXPECT_EQ(r.outcome.end, Read_end::reading_error);
    EXPECT_EQ(r.outcome.problem, "line too long");

    r = read_text(std::string(max_line_length + 1, 'x'), 1000);
    EXPECT_EQ(r.outcome.end, Read_end::not_hex);

    // The longest record there is still fits.
    const unsigned char bytes[254] = {};
    const std::string longest = record_text(0, 0, bytes, 254);
    EXPECT_EQ(read_text(longest + "\n").outcome.end, Read_end::end_of_file);

    const Read_outcome failed =
        read_hex([](char *, long long) -> long long { return -1; }, [](int, const std::string &) {});
    EXPECT_EQ(failed.end, Read_end::reading_error);
}

TEST(HexRecords, WritingRecords)
{
    const unsigned char blank[16] = {0xFF, 0x0F, 0xFF, 0x0F, 0xFF, 0x0F, 0xFF, 0x0F,
                                     0xFF, 0x0F, 0xFF, 0x0F, 0xFF, 0x0F, 0xFF, 0x0F};
    EXPECT_EQ(record_text(0, 0, blank, 16), ":10000000FF0FFF0FFF0FFF0FFF0FFF0FFF0FFF0F80");
    EXPECT_EQ(record_text(0x0FF0, 0, blank, 16), ":100FF000FF0FFF0FFF0FFF0FFF0FFF0FFF0FFF0F81");
    EXPECT_EQ(record_text(0x2020, 0, blank, 4), ":04202000FF0FFF0FA0");
    EXPECT_EQ(record_text(0, 1, nullptr, 0), ":00000001FF");
    const unsigned char e1[2] = {0xE1, 0x00};
    EXPECT_EQ(record_text(0x000F, 0, e1, 2), ":02000F00E1000E");
    const unsigned char sum_zero[2] = {0xFE, 0x00};
    EXPECT_EQ(record_text(0, 0, sum_zero, 2), ":02000000FE0000");
    const unsigned char zero_sum[1] = {0xFF};
    EXPECT_EQ(checksum(zero_sum, 1), 0x01u);
    const unsigned char wrap[2] = {0x80, 0x80};
    EXPECT_EQ(checksum(wrap, 2), 0x00u);
}

} // namespace
