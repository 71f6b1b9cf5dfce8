// The board model: replies and effects of every command, every fault it can be told to
// show, when replies are due, and the --log lines.

#include "sim_test_support.h"

#include <gtest/gtest.h>

namespace {

using sim::Board_model;
using sim::Board_options;
using sim_test::load;
using sim_test::read_reply;
using sim_test::reply_to;

Board_model isp_board(Board_options options = {})
{
    Board_model model(options);
    reply_to(model, "9");
    return model;
}

TEST(BoardCommands, VersionCarriesIdentificationAndFirmwareOfFiveCharacters)
{
    const std::pair<const char*, const char*> cases[] = {
        {"V1.02", "SX QORVIL V1.02"}, {"V2", "SX QORVIL V2   "}, {"V1.03-beta", "SX QORVIL V1.03"}};
    for (const auto& [firmware, reply] : cases) {
        Board_options options;
        options.firmware = firmware;
        Board_model model(options);
        EXPECT_EQ(reply_to(model, "="), reply);
    }
}

TEST(BoardCommands, EnteringAndLeavingIspPutTheCounterOnFuse)
{
    Board_model model(Board_options{});
    EXPECT_FALSE(model.isp());
    EXPECT_EQ(reply_to(model, "9"), "\xC8K");  // sync count 200, then the status
    EXPECT_TRUE(model.isp());
    EXPECT_EQ(model.address_counter(), 0xFFF);
    reply_to(model, "777");
    EXPECT_EQ(model.address_counter(), 2);
    reply_to(model, "9");
    EXPECT_EQ(model.address_counter(), 0xFFF);
    reply_to(model, "77");
    EXPECT_EQ(reply_to(model, ":"), "K");
    EXPECT_FALSE(model.isp());
    EXPECT_EQ(model.address_counter(), 0xFFF);

    Board_options options;
    options.sync = 17;
    Board_model other(options);
    EXPECT_EQ(reply_to(other, "9"), "\x11K");
}

TEST(BoardCommands, ReadsAnswerDeviceFusexFuseAndWords)
{
    Board_options options;
    options.device = 0x0A5C;
    Board_model model = isp_board(options);
    EXPECT_EQ(reply_to(model, "1"), read_reply(0xA5C));
    EXPECT_EQ(reply_to(model, "2"), read_reply(0xDFF)) << "factory trim of an A-revision chip";
    model.set_fusex(0x0123);
    EXPECT_EQ(reply_to(model, "2"), read_reply(0x123));
    model.set_fuse(0x0ABC);
    model.set_word(0, 0x0456);
    EXPECT_EQ(reply_to(model, "6" "7" "6"), read_reply(0xABC) + "K" + read_reply(0x456));
}

TEST(BoardCommands, IncrementWalksProgramMemoryAndWraps)
{
    Board_model model = isp_board();
    EXPECT_EQ(reply_to(model, "7"), "K");
    EXPECT_EQ(model.address_counter(), 0x000) << "FFF wraps to 000";
    model.set_address_counter(0x7FF);
    model.set_word(0x7FF, 0x0111);
    EXPECT_EQ(reply_to(model, "6" "7" "6"), read_reply(0x111) + "K" + read_reply(0xFFF))
        << "no memory beyond 2047";
    model.set_address_counter(0xFFE);
    model.set_fuse(0x0ABC);
    EXPECT_EQ(reply_to(model, "7" "6"), "K" + read_reply(0xABC)) << "FFE counts on to FUSE";
}

TEST(BoardCommands, LoadWordTakesTwoPayloadBytesWhateverTheyLookLike)
{
    Board_model model = isp_board();
    EXPECT_TRUE(model.receive("4").empty());
    EXPECT_TRUE(model.receive("\xF1").empty());
    EXPECT_EQ(reply_to(model, "\x23"), "K");
    EXPECT_EQ(model.loaded_word(), 0x123) << "the upper nibble of the high byte is ignored";
    // Payload "9" "=": neither enters ISP again nor answers a version.
    EXPECT_EQ(reply_to(model, "4" "9="), "K");
    EXPECT_EQ(model.loaded_word(), 0x93D);
    EXPECT_EQ(model.command_count(), 3);
}

TEST(BoardCommands, ProgrammingAndsIntoWordFuseOrFusexAndEraseBlanksThem)
{
    Board_model model = isp_board();
    EXPECT_EQ(reply_to(model, load(0xF7E) + "5"), "KK");
    sim::Chip expected = sim::fresh_chip(sim::Chip_revision::a_revision);
    expected.fuse = 0xF7E;
    EXPECT_EQ(model.chip(), expected) << "counter FFF programs FUSE only";

    reply_to(model, "7");
    model.set_word(0, 0x0F0F);
    EXPECT_EQ(reply_to(model, load(0x3C3) + "5"), "KK");
    EXPECT_EQ(model.word(0), 0x0F0F & 0x3C3);
    reply_to(model, load(0xFFF) + "5");
    EXPECT_EQ(model.word(0), 0x0F0F & 0x3C3) << "without an erase the bits cannot come back";

    EXPECT_EQ(reply_to(model, load(0xB3A) + "3"), "KK");
    EXPECT_EQ(model.fusex(), 0x0DFF & 0x0B3A);

    model.set_address_counter(0x900);
    const sim::Chip before = model.chip();
    EXPECT_EQ(reply_to(model, load(0x000) + "5"), "KK");
    EXPECT_EQ(model.chip(), before) << "nothing lies beyond program memory";

    EXPECT_EQ(reply_to(model, "0"), "K");
    EXPECT_EQ(model.chip(), sim::Chip{}) << "erase blanks memory, FUSE and FUSEX";
}

TEST(BoardCommands, PackageModeAndProgramWait)
{
    Board_model model(Board_options{});
    EXPECT_EQ(model.pins(), 18);
    EXPECT_EQ(reply_to(model, "<"), "K");
    EXPECT_EQ(model.pins(), 28);
    EXPECT_EQ(reply_to(model, ";"), "K");
    EXPECT_EQ(model.pins(), 18);
    EXPECT_EQ(model.program_wait(), 45);
    EXPECT_TRUE(model.receive(">").empty());
    EXPECT_EQ(reply_to(model, "\xF0"), "K");
    EXPECT_EQ(model.program_wait(), 240);

    Board_options options;
    options.pins = 28;
    options.revision = sim::Chip_revision::old_revision;
    Board_model old_chip(options);
    EXPECT_EQ(old_chip.pins(), 28);
    EXPECT_EQ(old_chip.program_wait(), 240);
}

TEST(BoardCommands, ChipCommandsOutsideIspDoNotReachTheChip)
{
    Board_model model(Board_options{});
    model.set_word(0, 0x123);
    model.set_fuse(0x456);
    const sim::Chip before = model.chip();
    EXPECT_EQ(reply_to(model, "6" "1" "2"), read_reply(0) + read_reply(0) + read_reply(0));
    EXPECT_EQ(reply_to(model, "7" "0" + load(0) + "5" "3"), "KKKKK");
    EXPECT_EQ(model.address_counter(), 0xFFF);
    EXPECT_EQ(model.chip(), before);
    EXPECT_EQ(model.chip_changes(), 0u);
}

TEST(BoardCommands, MinWaitRejectsTooShortProgrammingPulses)
{
    Board_options options;
    options.min_wait = 20;
    Board_model model = isp_board(options);
    reply_to(model, ">\x13" "7" + load(0x000) + "5");
    EXPECT_EQ(model.word(0), sim::blank_word);
    reply_to(model, ">\x14" "5");
    EXPECT_EQ(model.word(0), 0x000);

    Board_model any_pulse = isp_board();  // no minimum by default
    reply_to(any_pulse, ">\x01" + load(0x0AA) + "5");
    EXPECT_EQ(any_pulse.fuse(), 0x0AA);
}

TEST(BoardCommands, ChipChangesCountRealChangesOnly)
{
    Board_options options;
    options.revision = sim::Chip_revision::old_revision;  // a blank FUSEX
    Board_model model = isp_board(options);
    reply_to(model, "0");
    EXPECT_EQ(model.chip_changes(), 0u) << "erasing a blank chip changes nothing";
    reply_to(model, "7" + load(0x123) + "5");
    EXPECT_EQ(model.chip_changes(), 1u);
    reply_to(model, "5");
    EXPECT_EQ(model.chip_changes(), 1u);
    reply_to(model, "0");
    EXPECT_EQ(model.chip_changes(), 2u);
}

// The bytes of a small Program run give the same replies and the same chip whether
// they come all at once or one by one.
TEST(BoardCommands, FeedingByteByByteMatchesFeedingAtOnce)
{
    const std::string session = "<=>\x2D" "920:9" + load(0x4FF) + "3:9" "7" + load(0x123) + "5" "7" "7" +
                                load(0xA5A) + "5" ":9" + load(0xF7E) + "5" "9" "6" "7" "6" "7" "6" "7" "6" ":";
    Board_model whole(Board_options{});
    const std::string whole_reply = reply_to(whole, session);
    Board_model pieces(Board_options{});
    std::string pieces_reply;
    for (const char byte : session)
        pieces_reply += reply_to(pieces, std::string(1, byte));

    EXPECT_EQ(whole_reply, pieces_reply);
    EXPECT_EQ(whole.chip(), pieces.chip());
    EXPECT_EQ(whole.command_count(), pieces.command_count());
    sim::Chip expected;
    expected.words[0] = 0x123;
    expected.words[2] = 0xA5A;
    expected.fuse = 0xF7E;
    expected.fusex = 0x4FF;
    EXPECT_EQ(pieces.chip(), expected);
}

// ---- Faults ----

TEST(BoardFaults, SilentAfterAnswersOnlyTheFirstCommands)
{
    Board_options options;
    options.silent_after = 2;
    Board_model model(options);
    EXPECT_EQ(reply_to(model, "=9"), "SX QORVIL V1.02" "\xC8K");
    EXPECT_TRUE(model.receive("7=6").empty());
    EXPECT_EQ(model.address_counter(), 0x000) << "commands still act on the chip";

    options.silent_after = 0;
    Board_model never(options);
    EXPECT_TRUE(never.receive("=9;").empty());
}

TEST(BoardFaults, SilentCommandsAreNeverAnswered)
{
    Board_options options;
    options.silent_commands = "47";
    Board_model model(options);
    reply_to(model, "9");
    EXPECT_TRUE(model.receive("77" "4\x01\x02").empty());
    EXPECT_EQ(model.address_counter(), 0x001);
    EXPECT_EQ(model.loaded_word(), 0x102);
    EXPECT_EQ(reply_to(model, "6;"), read_reply(0xFFF) + "K");
}

TEST(BoardFaults, ExtraBytesFollowEveryReply)
{
    Board_options options;
    options.extra_bytes = true;
    Board_model model(options);
    EXPECT_EQ(reply_to(model, "=" "9" "7" "6" "8"),
              "SX QORVIL V1.02\r\n" "\xC8K\r\n" "K\r\n" + read_reply(0xFFF) + "\r\n")
        << "no reply stays no reply";
}

TEST(BoardFaults, WrongAndShortIdentification)
{
    Board_options options;
    options.wrong_id = true;
    Board_model wrong(options);
    const std::string reply = reply_to(wrong, "=");
    ASSERT_EQ(reply.size(), 15u);
    EXPECT_NE(reply.substr(3, 6), "QORVIL");
    EXPECT_EQ(reply.substr(10), "V1.02");

    options.wrong_id = false;
    options.short_id = true;
    Board_model short_id(options);
    EXPECT_EQ(reply_to(short_id, "="), "SX QORVIL ");
}

TEST(BoardFaults, GarbageReadsGiveAWrongWordForEveryRead)
{
    Board_options options;
    options.garbage_reads = true;
    Board_model model(options);
    reply_to(model, "9");
    model.set_word(0, 0x123);
    for (const unsigned right : {0xFFFu, 0x123u}) {  // FUSE, then word 0
        const std::string reply = reply_to(model, "6");
        ASSERT_EQ(reply.size(), 3u);
        EXPECT_EQ(static_cast<unsigned char>(reply[0]) & 0xF0, 0) << "still a 12-bit word";
        EXPECT_EQ(reply[2], '\r');
        EXPECT_NE(reply, read_reply(right));
        reply_to(model, "7");
    }
    EXPECT_EQ(reply_to(model, "2"), read_reply(0xDFF)) << "only \"6\" is affected";
    EXPECT_EQ(model.word(0), 0x123) << "the chip itself is right";
}

TEST(BoardFaults, HangupAfterEndsTheDevice)
{
    Board_options options;
    options.hangup_after = 2;
    Board_model model(options);
    EXPECT_EQ(reply_to(model, "="), "SX QORVIL V1.02");
    EXPECT_FALSE(model.hung_up());
    EXPECT_EQ(reply_to(model, "9"), "\xC8K") << "the last command is still answered";
    EXPECT_TRUE(model.hung_up());
    EXPECT_TRUE(model.receive("=7").empty());
    EXPECT_EQ(model.command_count(), 2);

    options.hangup_after = 1;  // in the middle of a chunk: the rest is dropped
    Board_model one(options);
    EXPECT_EQ(reply_to(one, ";<"), "K");
    EXPECT_EQ(one.pins(), 18);

    options.hangup_after = 0;
    Board_model gone(options);
    EXPECT_TRUE(gone.hung_up());
    EXPECT_TRUE(gone.receive("=").empty());
}

// ---- Timing ----

constexpr double byte_s = 10.0 / 19200.0;  // one byte at 19200 baud, 10 bits a byte

Board_options timing(sim::Timing_mode mode, int late_ms = 0)
{
    Board_options options;
    options.timing = mode;
    options.late_ms = late_ms;
    return options;
}

// Sends `bytes` at `now_s` and checks the delays of the reply bytes, in seconds.
void expect_due(Board_model& model, std::string_view bytes, double now_s, const std::vector<double>& delays)
{
    const std::vector<sim::Output> outputs = model.receive(bytes, now_s);
    ASSERT_EQ(outputs.size(), delays.size());
    for (std::size_t i = 0; i < outputs.size(); ++i)
        EXPECT_NEAR(outputs[i].delay_s, delays[i], 1e-9) << "reply " << i;
}

TEST(BoardTiming, InstantRepliesAreDueAtOnceOrLateMsLater)
{
    Board_model model(timing(sim::Timing_mode::instant));
    expect_due(model, "=", 5.0, {0.0});
    Board_model late(timing(sim::Timing_mode::instant, 250));
    expect_due(late, "=9", 5.0, {0.25, 0.25});
}

TEST(BoardTiming, EachByteTakesItsTimeOnTheLines)
{
    Board_model model(timing(sim::Timing_mode::real));
    // The command byte takes one byte time to arrive, then each reply byte one more.
    std::vector<double> version;
    for (int i = 2; i <= 16; ++i)
        version.push_back(i * byte_s);
    expect_due(model, "=", 10.0, version);
    model.receive("9", 11.0);
    // Two increments written at once: the second arrives one byte time after the first.
    expect_due(model, "77", 12.0, {2 * byte_s, 3 * byte_s});
    expect_due(model, "4\x01\x02", 13.0, {4 * byte_s});
    // A payload sent later counts from its own arrival.
    EXPECT_TRUE(model.receive(">", 14.0).empty());
    expect_due(model, "\x10", 14.01, {2 * byte_s});
}

TEST(BoardTiming, ProgrammingTakesTheProgramWaitAndLateMsAdds)
{
    Board_model model(timing(sim::Timing_mode::real));
    model.receive("9", 0.0);
    model.receive(">\x64", 1.0);  // 100 units of 1.06 ms
    model.receive("4\x01\x02", 2.0);
    expect_due(model, "5", 3.0, {2 * byte_s + 0.106});
    expect_due(model, "3", 4.0, {2 * byte_s + 0.106});
    expect_due(model, "7", 5.0, {2 * byte_s});

    Board_model late(timing(sim::Timing_mode::real, 40));
    expect_due(late, ";", 0.0, {2 * byte_s + 0.040});
}

// ---- Log lines ----

struct Logged_board {
    explicit Logged_board(const sim::Board_options& options) : model(options)
    {
        model.set_log_sink([this](const std::string& line) { lines.push_back(line); });
    }
    sim::Board_model model;
    std::vector<std::string> lines;
};

TEST(CommandLog, OneLinePerCompleteCommandUnknownOnesIncluded)
{
    Logged_board board(sim::Board_options{});
    board.model.receive("6=9>");
    EXPECT_EQ(board.lines.size(), 3u) << "a command is logged once its payload is complete";
    EXPECT_EQ(reply_to(board.model, "\x2D" "4\x0F\xFE" "78\x80:"), "KKKK") << "no reply to 8 or unknown bytes";
    const std::vector<std::string> expected = {
        "#1 cmd '6' payload - reply 00 00 0D isp off addr FFF note no ISP",
        "#2 cmd '=' payload - reply 53 58 20 51 4F 52 56 49 4C 20 56 31 2E 30 32 isp off addr FFF",
        "#3 cmd '9' payload - reply C8 4B isp on addr FFF",
        "#4 cmd '>' payload 2D reply 4B isp on addr FFF",
        "#5 cmd '4' payload 0F FE reply 4B isp on addr FFF",
        "#6 cmd '7' payload - reply 4B isp on addr 000",
        "#7 cmd '8' payload - reply - isp on addr 000 note unknown command",
        "#8 cmd 0x80 payload - reply - isp on addr 000 note unknown command",
        "#9 cmd ':' payload - reply 4B isp off addr FFF"};
    EXPECT_EQ(board.lines, expected);
}

TEST(CommandLog, FaultsAreNoted)
{
    sim::Board_options options;
    options.silent_commands = "7";
    options.hangup_after = 3;
    Logged_board board(options);
    board.model.receive("976");
    ASSERT_EQ(board.lines.size(), 3u);
    EXPECT_EQ(board.lines[1], "#2 cmd '7' payload - reply - isp on addr 000 note silent command");
    EXPECT_EQ(board.lines[2], "#3 cmd '6' payload - reply 0F FF 0D isp on addr 000 note hang-up");
}

}  // namespace
