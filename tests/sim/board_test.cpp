// The simulated board's own tests: its protocol table and its options and faults, one table
// each, checked on the board model. Every end-to-end test of the program runs the board
// program itself on a pseudo-terminal.

#include "sim/board_model.h"
#include "sim/board_options.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Change = std::function<void(sim::Chip &)>;

// The three-byte reply of a read, and the "4" command loading a word.
std::string rd(unsigned word) { return {char(word >> 8 & 0x0F), char(word & 0xFF), '\r'}; }
std::string ld(unsigned word) { return {'4', char(word >> 8 & 0x0F), char(word & 0xFF)}; }
const std::string to_counter_7FF = "9" + std::string(0x800, '7');  // FFF, 000, ... 7FF
const std::string to_counter_FFE = "9" + std::string(0xFFF, '7');

// The chip every case starts with, on a fresh A-revision board: FUSEX has its factory trim.
void known_chip(sim::Board_model &board)
{
    board.set_word(0, 0x0F0F);
    board.set_word(0x7FF, 0x111);
    board.set_fuse(0xABC);
}

// Sends `bytes` at once or byte by byte; returns the board's reply.
std::string send(sim::Board_model &board, const std::string &bytes, bool byte_by_byte)
{
    const std::size_t step = byte_by_byte ? 1 : bytes.size();
    std::string reply;
    for (std::size_t i = 0; i < bytes.size(); i += step)
        for (const sim::Output &o : board.receive(std::string_view(bytes).substr(i, step)))
            reply += o.bytes;
    return reply;
}

struct Protocol_case {
    const char *what;
    std::string start, bytes, reply;
    bool isp;
    unsigned address;
    int pins, wait;
    Change change;  // what the bytes do to the chip; none: nothing
};

TEST(BoardProtocol, EveryCommandAnswersAndActsAsTheBoardDoes)
{
    const Protocol_case cases[] = {
        {"version", "", "=", "SX QORVIL V1.02", false, 0xFFF, 18, 45, {}},
        {"ISP entry: sync count 200, status", "", "9", "\xC8K", true, 0xFFF, 18, 45, {}},
        {"ISP entry puts the counter back on FUSE", "977", "9", "\xC8K", true, 0xFFF, 18, 45, {}},
        {"ISP exit", "977", ":", "K", false, 0xFFF, 18, 45, {}},
        {"28-pin mode", "", "<", "K", false, 0xFFF, 28, 45, {}},
        {"18-pin mode", "<", ";", "K", false, 0xFFF, 18, 45, {}},
        {"program wait", "", ">\xF0", "K", false, 0xFFF, 18, 240, {}},
        {"outside ISP reads answer 000", "", "612", rd(0) + rd(0) + rd(0), false, 0xFFF, 18, 45, {}},
        {"outside ISP nothing reaches the chip", "", "70" + ld(0) + "53", "KKKKK", false, 0xFFF, 18, 45, {}},
        {"DEVICE and FUSEX", "9", "12", rd(0xFFE) + rd(0xDFF), true, 0xFFF, 18, 45, {}},
        {"counter FFF reads FUSE, then wraps to 000", "9", "676", rd(0xABC) + "K" + rd(0xF0F), true, 0, 18, 45, {}},
        {"nothing lies beyond word 7FF", to_counter_7FF, "676" + ld(0) + "5",
         rd(0x111) + "K" + rd(0xFFF) + "KK", true, 0x800, 18, 45, {}},
        {"FFE counts on to FUSE", to_counter_FFE, "76", "K" + rd(0xABC), true, 0xFFF, 18, 45, {}},
        {"programming at FFF clears bits of FUSE", "9", ld(0x3C3) + "5", "KK", true, 0xFFF, 18, 45,
         [](sim::Chip &c) { c.fuse = 0xABC & 0x3C3; }},
        {"programming a word clears bits only", "9", "7" + ld(0x3C3) + "5" + ld(0xFFF) + "5", "KKKKK", true, 0, 18,
         45, [](sim::Chip &c) { c.words[0] = 0xF0F & 0x3C3; }},
        {"FUSEX", "9", ld(0xB3A) + "3", "KK", true, 0xFFF, 18, 45, [](sim::Chip &c) { c.fusex = 0xDFF & 0xB3A; }},
        {"the upper nibble of the loaded high byte is ignored", "9", "4\xF1\x23" "5", "KK", true, 0xFFF, 18, 45,
         [](sim::Chip &c) { c.fuse = 0xABC & 0x123; }},
        {"payload bytes are data, not commands", "9", "49=5", "KK", true, 0xFFF, 18, 45,
         [](sim::Chip &c) { c.fuse = 0xABC & 0x93D; }},
        {"erase blanks memory, FUSE and FUSEX", "9", "0", "K", true, 0xFFF, 18, 45,
         [](sim::Chip &c) { c = sim::Chip{}; }},
        {"8 and unknown bytes: no reply", "9", "8\x80", "", true, 0xFFF, 18, 45, {}},
    };
    for (const Protocol_case &c : cases) {
        for (const bool byte_by_byte : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (byte_by_byte ? ", byte by byte" : ""));
            sim::Board_model board{sim::Board_options{}};
            known_chip(board);
            sim::Chip expected = board.chip();
            if (c.change)
                c.change(expected);
            board.receive(c.start);
            EXPECT_EQ(send(board, c.bytes, byte_by_byte), c.reply);
            EXPECT_EQ(board.chip(), expected);
            EXPECT_EQ(board.isp(), c.isp);
            EXPECT_EQ(board.address_counter(), c.address);
            EXPECT_EQ(board.pins(), c.pins);
            EXPECT_EQ(board.program_wait(), c.wait);
        }
    }
}

struct Option_case {
    std::vector<std::string> args;
    std::string start, bytes, reply;
    double due_s;  // when the last reply byte is due, after the bytes were sent
    Change change;
    std::function<void(const sim::Board_model &)> more = {};
};

constexpr double byte_s = 10.0 / 19200.0;  // 19200 baud, 10 bits a byte

TEST(BoardOptions, EachOptionAndFaultChangesWhatTheBoardDoes)
{
    const Option_case cases[] = {
        {{"--firmware", "V2"}, "", "=", "SX QORVIL V2   ", 0, {}},
        {{"--firmware=V1.03-beta"}, "", "=", "SX QORVIL V1.03", 0, {}},
        {{"--device", "0A5C", "--sync", "17"}, "", "91", "\x11K" + rd(0xA5C), 0, {}},
        {{"--pins", "28", "--rev", "old"}, "9", "2", rd(0xFFF), 0, {},
         [](const sim::Board_model &b) { EXPECT_TRUE(b.pins() == 28 && b.program_wait() == 240); }},
        {{"--min-wait", "20"}, "9", ">\x13" + ld(0) + "5" ">\x14", "KKKK", 0, [](sim::Chip &c) { c.fuse = 0xA00; }},
        // Protection from FUSE bit 3 on: program words read as 000 until an erase.
        {{"--protected"}, "9", ld(0xFF7) + "576" "0" "6", "KKK" + rd(0) + "K" + rd(0xFFF), 0,
         [](sim::Chip &c) { c.erase(); }, [](const sim::Board_model &) {
             EXPECT_EQ(sim::Board_model(sim::parse_board_options({"--protected"}).options).chip().fuse, 0xFF7);
         }},
        {{"--min-wait", "20"}, "9", ">\x14" + ld(0) + "5", "KKK", 0, [](sim::Chip &c) { c.fuse = 0; }},
        {{"--silent-after", "2"}, "", "=9" "7=6", "SX QORVIL V1.02\xC8K", 0, {},
         [](const sim::Board_model &b) { EXPECT_EQ(b.address_counter(), 0) << "commands still act"; }},
        {{"--silent-after", "0"}, "", "=9;", "", 0, {}},
        {{"--silent-cmd", "4", "--silent-cmd=7"}, "9", "77" + ld(0x102) + "6;", rd(0xFFF) + "K", 0, {},
         [](const sim::Board_model &b) { EXPECT_TRUE(b.address_counter() == 1 && b.loaded_word() == 0x102); }},
        {{"--extra-bytes"}, "", "=9768", "SX QORVIL V1.02\r\n" "\xC8K\r\n" "K\r\n" + rd(0xF0F) + "\r\n", 0, {}},
        {{"--wrong-id"}, "", "=", "SX qorvil V1.02", 0, {}},
        {{"--short-id"}, "", "=", "SX QORVIL ", 0, {}},
        {{"--garbage-reads"}, "9", "6762", rd(0xABC ^ 0x5A5) + "K" + rd(0xF0F ^ 0x5A5) + rd(0xDFF), 0, {}},
        {{"--hangup-after", "2"}, "", "=9" "=7", "SX QORVIL V1.02\xC8K", 0, {},
         [](const sim::Board_model &b) { EXPECT_TRUE(b.hung_up() && b.isp() && b.address_counter() == 0xFFF); }},
        {{"--hangup-after", "0"}, "", "=", "", 0, {}},
        {{"--late-ms", "250"}, "", "=9", "SX QORVIL V1.02\xC8K", 0.25, {}},
        // "=" in, 15 bytes out; a program wait of 100 x 1.06 ms before the replies to "5" and "3".
        {{"--timing", "real"}, "", "=", "SX QORVIL V1.02", 16 * byte_s, {}},
        {{"--timing", "real"}, "9", ">\x64" + ld(0x123) + "53", "KKKK", 7 * byte_s + 0.212,
         [](sim::Chip &c) {
             c.fuse = 0xABC & 0x123;
             c.fusex = 0xDFF & 0x123;
         }},
        {{"--timing", "real", "--late-ms", "40"}, "", ";", "K", 2 * byte_s + 0.040, {}},
    };
    for (const Option_case &c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args) + " " + ::testing::PrintToString(c.bytes));
        const sim::Parse_result parsed = sim::parse_board_options(c.args);
        ASSERT_TRUE(parsed.ok()) << parsed.error;
        sim::Board_model board(parsed.options);
        known_chip(board);
        sim::Chip expected = board.chip();
        if (c.change)
            c.change(expected);
        board.receive(c.start, 0.0);
        const std::vector<sim::Output> outputs = board.receive(c.bytes, 10.0);
        std::string reply;
        for (const sim::Output &o : outputs)
            reply += o.bytes;
        EXPECT_EQ(reply, c.reply);
        EXPECT_NEAR(outputs.empty() ? 0.0 : outputs.back().delay_s, c.due_s, 1e-9);
        EXPECT_EQ(board.chip(), expected);
        if (c.more)
            c.more(board);
    }
}

} // namespace
