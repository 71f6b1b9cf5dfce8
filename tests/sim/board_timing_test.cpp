// Reply times with --timing real.

#include "sim/board_model.h"
#include "sim/line_timing.h"

#include <gtest/gtest.h>

namespace {

using sim::Board_model;
using sim::Board_options;
using sim::byte_time_s;

Board_options real_timing()
{
    Board_options options;
    options.timing = sim::Timing_mode::real;
    return options;
}

TEST(BoardTiming, InstantRepliesAreDueAtOnce)
{
    Board_model model(Board_options{});
    const auto outputs = model.receive("=", 5.0);
    ASSERT_EQ(outputs.size(), 1u);
    EXPECT_EQ(outputs[0].delay_s, 0.0);
}

TEST(BoardTiming, EachReplyByteTakesOneByteTime)
{
    Board_model model(real_timing());
    const auto outputs = model.receive("=", 10.0);
    ASSERT_EQ(outputs.size(), 15u);
    std::string bytes;
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        // The command byte itself takes one byte time to arrive.
        EXPECT_NEAR(outputs[i].delay_s, static_cast<double>(i + 2) * byte_time_s, 1e-9);
        bytes += outputs[i].bytes;
    }
    EXPECT_EQ(bytes, "SX QORVIL V1.02");
}

TEST(BoardTiming, ReplyWaitsForThePayloadToArrive)
{
    Board_model model(real_timing());
    const auto outputs = model.receive(std::string("4\x01\x02"), 0.0);
    ASSERT_EQ(outputs.size(), 1u);
    EXPECT_NEAR(outputs[0].delay_s, 4 * byte_time_s, 1e-9);
}

TEST(BoardTiming, PayloadSentLaterCountsFromItsOwnArrival)
{
    Board_model model(real_timing());
    EXPECT_TRUE(model.receive(">", 1.0).empty());
    const auto outputs = model.receive("\x10", 1.010);
    ASSERT_EQ(outputs.size(), 1u);
    EXPECT_NEAR(outputs[0].delay_s, 2 * byte_time_s, 1e-9);
}

TEST(BoardTiming, ProgrammingTakesTheProgramWait)
{
    Board_model model(real_timing());
    model.receive("9", 0.0);
    model.receive(std::string(">") + static_cast<char>(100), 1.0);
    model.receive(std::string("4\x01\x02"), 2.0);
    const auto program = model.receive("5", 3.0);
    ASSERT_EQ(program.size(), 1u);
    EXPECT_NEAR(program[0].delay_s, 2 * byte_time_s + 100 * 1.06e-3, 1e-9);

    const auto fusex = model.receive("3", 4.0);
    ASSERT_EQ(fusex.size(), 1u);
    EXPECT_NEAR(fusex[0].delay_s, 2 * byte_time_s + 100 * 1.06e-3, 1e-9);

    const auto increment = model.receive("7", 5.0);
    ASSERT_EQ(increment.size(), 1u);
    EXPECT_NEAR(increment[0].delay_s, 2 * byte_time_s, 1e-9);
}

TEST(BoardTiming, CommandsSentTogetherQueueOnTheLines)
{
    Board_model model(real_timing());
    model.receive("9", 0.0);
    // Two increments written at once: the second arrives one byte time after
    // the first, and each ack takes its own byte time on the way back.
    const auto outputs = model.receive("77", 1.0);
    ASSERT_EQ(outputs.size(), 2u);
    EXPECT_NEAR(outputs[0].delay_s, 2 * byte_time_s, 1e-9);
    EXPECT_NEAR(outputs[1].delay_s, 3 * byte_time_s, 1e-9);
}

TEST(BoardTiming, LateMsAddsToRealTiming)
{
    Board_options options = real_timing();
    options.late_ms = 40;
    Board_model model(options);
    const auto outputs = model.receive(";", 0.0);
    ASSERT_EQ(outputs.size(), 1u);
    EXPECT_NEAR(outputs[0].delay_s, 2 * byte_time_s + 0.040, 1e-9);
}

}  // namespace
