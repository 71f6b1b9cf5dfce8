// The record reader on its own, without the window: how each line is taken, line ends,
// overlong lines and failing sources.

#include "image/hex_records.h"

#include <gtest/gtest.h>

#include <map>

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

struct Result {
    Read_outcome outcome;
    std::map<int, std::string> words;
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
        [&](int address, const std::string &word) { r.words[address] = word; });
    return r;
}

TEST(HexRecords, BlankLinesAndEveryLineEndOnEveryChunkBoundary)
{
    // The last line has no line end.
    const std::string body = ":02000000120CE0|  |:04202000ff0fbf0be4|\t||:00000001FF";
    for (const std::string eol : {"\n", "\r\n", "\r"}) {
        std::string text;
        for (char c : body)
            text += c == '|' ? eol : std::string(1, c);
        for (std::size_t chunk : {1u, 2u, 3u, 16u, 4096u}) {
            const Result r = read_text(text, chunk);
            const Read_outcome &o = r.outcome;
            EXPECT_EQ(std::to_string(int(o.end)) + ' ' + std::to_string(o.line_number) + ' ' + r.words.at(0) + ' ' +
                          r.words.at(0x1010) + ' ' + o.fuse_word + ' ' + o.fusex_word, "0 6 0C12 0FFF 0FFF 0BBF");
        }
    }
}

TEST(HexRecords, OverlongLinesAndFailingSources)
{
    Result r = read_text(":" + std::string(max_line_length * 3, '0') + "\n", 1000);
    EXPECT_EQ(r.outcome.end, Read_end::reading_error);
    EXPECT_EQ(r.outcome.problem, "line too long");
    EXPECT_EQ(read_text(std::string(max_line_length + 1, 'x'), 1000).outcome.end, Read_end::not_hex);

    // The longest record there is still fits.
    const unsigned char bytes[254] = {};
    EXPECT_EQ(read_text(record_text(0, 0, bytes, 254) + "\n").outcome.end, Read_end::end_of_file);

    const Read_outcome failed =
        read_hex([](char *, long long) -> long long { return -1; }, [](int, const std::string &) {});
    EXPECT_EQ(failed.end, Read_end::reading_error);
}

} // namespace
