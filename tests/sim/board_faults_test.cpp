// Every fault the board can be told to show.

#include "sim/board_model.h"
#include "sim_test_support.h"

#include <gtest/gtest.h>

namespace {

using sim::Board_model;
using sim::Board_options;
using sim_test::reply_to;
using sim_test::word_of;

TEST(BoardFaults, SilentAfterAnswersOnlyTheFirstCommands)
{
    Board_options options;
    options.silent_after = 2;
    Board_model model(options);
    EXPECT_EQ(reply_to(model, "="), "SX QORVIL V1.02");
    EXPECT_EQ(reply_to(model, "9").size(), 2u);
    EXPECT_TRUE(model.receive("7").empty());
    EXPECT_TRUE(model.receive("=").empty());
    EXPECT_TRUE(model.receive("6").empty());
    EXPECT_EQ(model.address_counter(), 0x000) << "commands still act on the chip";
}

TEST(BoardFaults, SilentAfterZeroNeverAnswers)
{
    Board_options options;
    options.silent_after = 0;
    Board_model model(options);
    EXPECT_TRUE(model.receive("=9;").empty());
}

TEST(BoardFaults, SilentCommandIsNeverAnswered)
{
    Board_options options;
    options.silent_commands = "7";
    Board_model model(options);
    reply_to(model, "9");
    EXPECT_TRUE(model.receive("7").empty());
    EXPECT_TRUE(model.receive("7").empty());
    EXPECT_EQ(model.address_counter(), 0x001);
    EXPECT_EQ(reply_to(model, "6").size(), 3u);
}

TEST(BoardFaults, SeveralSilentCommands)
{
    Board_options options;
    options.silent_commands = "4=";
    Board_model model(options);
    EXPECT_TRUE(model.receive("=").empty());
    EXPECT_TRUE(model.receive(std::string("4\x01\x02")).empty());
    EXPECT_EQ(model.loaded_word(), 0x102);
    EXPECT_EQ(reply_to(model, ";"), "K");
}

TEST(BoardFaults, LateRepliesAreDelayed)
{
    Board_options options;
    options.late_ms = 250;
    Board_model model(options);
    const std::vector<sim::Output> outputs = model.receive("=9");
    ASSERT_EQ(outputs.size(), 2u);
    for (const sim::Output& output : outputs)
        EXPECT_DOUBLE_EQ(output.delay_s, 0.25);
    EXPECT_EQ(outputs[0].bytes, "SX QORVIL V1.02");
}

TEST(BoardFaults, ExtraBytesFollowEveryReply)
{
    Board_options options;
    options.extra_bytes = true;
    Board_model model(options);
    EXPECT_EQ(reply_to(model, "="), "SX QORVIL V1.02\r\n");
    EXPECT_EQ(reply_to(model, "9"), std::string("\xC8K\r\n"));
    EXPECT_EQ(reply_to(model, "7"), "K\r\n");
    EXPECT_EQ(reply_to(model, "6"), std::string("\x0F\xFF\r\r\n"));
    EXPECT_TRUE(model.receive("8").empty()) << "no reply stays no reply";
}

TEST(BoardFaults, WrongIdIsNotQorvil)
{
    Board_options options;
    options.wrong_id = true;
    Board_model model(options);
    const std::string reply = reply_to(model, "=");
    ASSERT_EQ(reply.size(), 15u);
    EXPECT_NE(reply.substr(3, 6), "QORVIL");
    EXPECT_EQ(reply.substr(10), "V1.02");
}

TEST(BoardFaults, ShortIdIsTenBytes)
{
    Board_options options;
    options.short_id = true;
    Board_model model(options);
    EXPECT_EQ(reply_to(model, "="), "SX QORVIL ");
}

TEST(BoardFaults, GarbageReadsGiveAWrongWordForEveryRead)
{
    Board_options options;
    options.garbage_reads = true;
    Board_model model(options);
    reply_to(model, "9");
    model.set_word(0, 0x123);
    const unsigned fuse_read = word_of(reply_to(model, "6"));
    EXPECT_NE(fuse_read, model.fuse());
    EXPECT_LE(fuse_read, 0xFFFu);
    reply_to(model, "7");
    EXPECT_NE(word_of(reply_to(model, "6")), 0x123u);
    EXPECT_EQ(word_of(reply_to(model, "2")), 0xDFFu) << "only \"6\" is affected";
    EXPECT_EQ(model.word(0), 0x123) << "the chip itself is right";
}

TEST(BoardFaults, HangupAfterEndsTheDevice)
{
    Board_options options;
    options.hangup_after = 2;
    Board_model model(options);
    EXPECT_FALSE(model.hung_up());
    EXPECT_EQ(reply_to(model, "="), "SX QORVIL V1.02");
    EXPECT_FALSE(model.hung_up());
    EXPECT_EQ(reply_to(model, "9").size(), 2u) << "the last command is still answered";
    EXPECT_TRUE(model.hung_up());
    EXPECT_TRUE(model.receive("=7").empty());
    EXPECT_EQ(model.command_count(), 2);
}

TEST(BoardFaults, HangupAfterZeroIsGoneAtOnce)
{
    Board_options options;
    options.hangup_after = 0;
    Board_model model(options);
    EXPECT_TRUE(model.hung_up());
    EXPECT_TRUE(model.receive("=").empty());
}

TEST(BoardFaults, HangupInTheMiddleOfAChunkDropsTheRest)
{
    Board_options options;
    options.hangup_after = 1;
    Board_model model(options);
    EXPECT_EQ(reply_to(model, ";<"), "K");
    EXPECT_EQ(model.pins(), 18);
}

}  // namespace
