// The record reader on its own, without the window: what the open command's tests do not
// reach through a file.

#include "image/hex_records.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using namespace image::hex;

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

TEST(HexRecords, EdgesOfTheRecordSyntax)
{
    const std::pair<const char *, Line_kind> lines[] = {
        {" :00000001FF", Line_kind::not_hex},        // the colon must come first
        {":00000000 0", Line_kind::bad_record},
        {":02000000120ce0  ", Line_kind::data},      // trailing blanks
        {":02000000120CE0FF", Line_kind::data}};     // more than the count says
    for (const auto &[line, kind] : lines)
        EXPECT_EQ(examine_line(line).kind, kind) << '"' << line << '"';
}

TEST(HexRecords, BlankLinesAndEveryLineEndOnEveryChunkBoundary)
{
    // The last line has no line end.
    const std::string body = ":02000000120CE0|  |:02000200340CBC|\t||:00000001FF";
    for (const std::string eol : {"\n", "\r\n", "\r"}) {
        std::string text;
        for (char c : body)
            text += c == '|' ? eol : std::string(1, c);
        for (std::size_t chunk : {1u, 2u, 3u, 16u, 4096u}) {
            const Result r = read_text(text, chunk);
            EXPECT_EQ(r.outcome.end, Read_end::end_of_file);
            EXPECT_EQ(r.outcome.line_number, 6);
            EXPECT_EQ(r.words.at(1), "0C34");
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
