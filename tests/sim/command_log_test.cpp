// The --log lines written for each command.

#include "sim/board_model.h"
#include "sim/command_log.h"
#include "sim_test_support.h"

#include <gtest/gtest.h>

namespace {

using sim_test::reply_to;

std::vector<std::string> run_logged(sim::Board_options options, const std::string& bytes)
{
    sim::Board_model model(options);
    std::vector<std::string> lines;
    model.set_log_sink([&lines](const std::string& line) { lines.push_back(line); });
    model.receive(bytes);
    return lines;
}

TEST(CommandLog, OneLinePerCommand)
{
    const auto lines = run_logged({}, std::string("=9") + "4\x0F\xFE" + "7" + "8" + ":");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0],
              "#1 cmd '=' payload - reply 53 58 20 51 4F 52 56 49 4C 20 56 31 2E 30 32 isp off addr FFF");
    EXPECT_EQ(lines[1], "#2 cmd '9' payload - reply C8 4B isp on addr FFF");
    EXPECT_EQ(lines[2], "#3 cmd '4' payload 0F FE reply 4B isp on addr FFF");
    EXPECT_EQ(lines[3], "#4 cmd '7' payload - reply 4B isp on addr 000");
    EXPECT_EQ(lines[4], "#5 cmd '8' payload - reply - isp on addr 000 note unknown command");
    EXPECT_EQ(lines[5], "#6 cmd ':' payload - reply 4B isp off addr FFF");
}

TEST(CommandLog, SplitPayloadIsLoggedOnceComplete)
{
    sim::Board_model model(sim::Board_options{});
    std::vector<std::string> lines;
    model.set_log_sink([&lines](const std::string& line) { lines.push_back(line); });
    model.receive(">");
    EXPECT_TRUE(lines.empty());
    model.receive("\x2D");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "#1 cmd '>' payload 2D reply 4B isp off addr FFF");
}

TEST(CommandLog, FaultsAreNoted)
{
    sim::Board_options options;
    options.silent_commands = "7";
    options.hangup_after = 3;
    const auto lines = run_logged(options, "976");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "#2 cmd '7' payload - reply - isp on addr 000 note silent command");
    EXPECT_EQ(lines[2], "#3 cmd '6' payload - reply 0F FF 0D isp on addr 000 note hang-up");
}

TEST(CommandLog, ChipCommandsOutsideIspAreNoted)
{
    const auto lines = run_logged({}, "6");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "#1 cmd '6' payload - reply 00 00 0D isp off addr FFF note no ISP");
}

TEST(CommandLog, UnprintableCommandBytesAreWrittenInHex)
{
    sim::Command_record record;
    record.number = 7;
    record.command = '\x80';
    EXPECT_EQ(sim::format_log_line(record), "#7 cmd 0x80 payload - reply - isp off addr 000");
}

}  // namespace
