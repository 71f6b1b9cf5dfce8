// The record reader on its own, without the window: how each line is taken, line ends,
// overlong lines and failing sources.

#include "image/hex_records.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace image::hex;

TEST(HexRecords, EachLineIsBlankSkippedDataNotHexOrABadRecord)
{
    const char *const kinds[] = {"blank", "not hex", "skipped", "data", "bad: "};
    const std::pair<const char *, const char *> lines[] = {
        {"", "blank"}, {" \t ", "blank"}, {" :00000001FF", "not hex"}, {"S1130000FF0F", "not hex"},
        {":00000001FF", "skipped"}, {":020000040001F9  ", "skipped"},
        {":02000000120ce0  ", "data"}, {":02000000120CE0FF", "data"},  // more than the count says
        {":00000001FE", "bad: checksum does not match"}, {":020000040001FA", "bad: checksum does not match"},
        {":02000000120CE1", "bad: checksum does not match"}, {":0100000012ED", "bad: odd byte count in a data record"},
        {":02000000120C", "bad: line shorter than its byte count"}, {":", "bad: record too short"},
        {":0200000", "bad: record too short"}, {":0X000000120CE0", "bad: not a hex digit in the record header"},
        {":02000000G20CE0", "bad: not a hex digit in the data or checksum"},
        {":02000000120CEZ", "bad: not a hex digit in the data or checksum"},
        {":00000000 0", "bad: not a hex digit in the data or checksum"}};
    for (const auto &[line, expected] : lines) {
        const Line_info info = examine_line(line);
        EXPECT_EQ(kinds[int(info.kind)] + std::string(info.problem), expected) << '"' << line << '"';
    }
}

// Reads `text` handed over `chunk` bytes at a time: how it ended, on which line and why, the
// FUSE and FUSEX words found, and each word given as address=word.
std::string read_text(const std::string &text, std::size_t chunk)
{
    std::string words;
    const Read_outcome o = read_hex(text_source(text, chunk), [&](int address, const std::string &word) {
        words += ' ' + std::to_string(address) + '=' + word;
    });
    return std::to_string(int(o.end)) + ' ' + std::to_string(o.line_number) + ' ' + o.problem + '|' + o.fuse_word +
           ' ' + o.fusex_word + words;
}

// Blank lines, lower case, other record types, any order, FUSE at either place (the last one
// counts), word address 5000; every line end on every chunk boundary, the last line without one.
// Then overlong lines and a failing source.
TEST(HexRecords, ReadingWholeSources)
{
    const std::string body = "|:04202000ff0fbf0be4|:04000000ff0fab0c37|  |:020000040001F9|:020000021000EC|"
                             ":0400000300000000F9|:0400000500000000F7|\t|:021FFE007A0F58|:04270E00110122A2F1|"
                             ":00000600FA||:00000001ff";
    for (const std::string eol : {"\n", "\r\n", "\r"}) {
        std::string text;
        for (char c : body)
            text += c == '|' ? eol : std::string(1, c);
        for (std::size_t chunk : {1u, 2u, 3u, 16u, 4096u})
            EXPECT_EQ(read_text(text, chunk), "0 14 |0F7A 0BBF 4112=0FFF 4113=0BBF 0=0FFF 1=0CAB 4095=0F7A 4999=0111 "
                                              "5000=A222") << eol.size() << ' ' << chunk;
    }
    // A line ended by CR alone, then lines ended by LF alone.
    EXPECT_EQ(read_text(":04000000ff0fab0c37\r:0400000500000000F7\n:00000001ff\n", 4), "0 3 |  0=0FFF 1=0CAB");
    // Lines up to max_line_length characters are read; a longer one ends the reading.
    EXPECT_EQ(read_text(":" + std::string(max_line_length - 1, '0') + "\n", 7).substr(0, 5), "0 1 |");
    EXPECT_EQ(read_text(":" + std::string(max_line_length, '0') + "\n", 1000), "2 1 line too long| ");
    EXPECT_EQ(read_text(std::string(max_line_length + 1, 'x'), 1000), "1 1 not a HEX record| ");
    const Read_outcome failed =
        read_hex([](char *, long long) -> long long { return -1; }, [](int, const std::string &) {});
    EXPECT_EQ(failed.end, Read_end::reading_error);
}

} // namespace
