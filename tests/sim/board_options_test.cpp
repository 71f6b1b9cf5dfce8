// Command-line options of the simulated board.

#include "sim/board_options.h"

#include <gtest/gtest.h>

namespace {

using sim::parse_board_options;
using sim::Parse_result;

const std::vector<std::string> every_option = {
    "--pins", "28", "--rev=old", "--firmware", "V2.00", "--device=0x123", "--sync", "0",
    "--min-wait", "20", "--load-hex", "image.hex", "--state", "chip.state", "--log", "board.log",
    "--timing", "real", "--link", "/tmp/ttyQORVIL", "--silent-after", "5", "--silent-cmd", "7",
    "--silent-cmd=6", "--late-ms", "30", "--extra-bytes", "--wrong-id", "--short-id",
    "--garbage-reads", "--hangup-after", "9", "--exit-with-parent", "--parent-pid", "1234"};

TEST(BoardOptions, EveryOptionIsTaken)
{
    const Parse_result result = parse_board_options(every_option);
    ASSERT_TRUE(result.ok()) << result.error;
    const sim::Board_options& o = result.options;
    EXPECT_EQ(o.pins, 28);
    EXPECT_EQ(o.revision, sim::Chip_revision::old_revision);
    EXPECT_EQ(o.firmware, "V2.00");
    EXPECT_EQ(o.device, 0x123);
    EXPECT_EQ(o.sync, 0);
    EXPECT_EQ(o.min_wait, 20);
    EXPECT_EQ(o.load_hex_path, "image.hex");
    EXPECT_EQ(o.state_path, "chip.state");
    EXPECT_EQ(o.log_path, "board.log");
    EXPECT_EQ(o.timing, sim::Timing_mode::real);
    EXPECT_EQ(o.link_path, "/tmp/ttyQORVIL");
    EXPECT_EQ(o.silent_after, 5);
    EXPECT_EQ(o.silent_commands, "76");
    EXPECT_EQ(o.late_ms, 30);
    EXPECT_TRUE(o.extra_bytes && o.wrong_id && o.short_id && o.garbage_reads);
    EXPECT_EQ(o.hangup_after, 9);
    EXPECT_TRUE(o.exit_with_parent);
    EXPECT_EQ(o.parent_pid, 1234);
    EXPECT_FALSE(result.help || result.version);

    EXPECT_EQ(parse_board_options({"--rev", "A", "--device", "0A12"}).options.device, 0xA12);
    EXPECT_TRUE(parse_board_options({}).ok());
}

TEST(BoardOptions, HelpVersionAndUsageOfEveryOption)
{
    EXPECT_TRUE(parse_board_options({"--help"}).help);
    EXPECT_TRUE(parse_board_options({"--version"}).version);
    const std::string usage = sim::usage_text("qorvil-board-sim");
    std::vector<std::string> options = {"--help", "--version"};
    for (const std::string& arg : every_option)
        if (arg.rfind("--", 0) == 0)
            options.push_back(arg.substr(0, arg.find('=')));
    for (const std::string& option : options)
        EXPECT_NE(usage.find(option), std::string::npos) << option;
}

TEST(BoardOptions, BadArgumentsAreRejectedWithAMessage)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--pins", "20"}, "--pins"},
        {{"--pins"}, "needs a value"},
        {{"--rev", "B"}, "--rev"},
        {{"--device", "1000"}, "--device"},
        {{"--device", "xyz"}, "--device"},
        {{"--sync", "256"}, "--sync"},
        {{"--sync", "-1"}, "--sync"},
        {{"--sync", "12a"}, "--sync"},
        {{"--timing", "slow"}, "--timing"},
        {{"--silent-after", "many"}, "--silent-after"},
        {{"--silent-cmd", "78"}, "--silent-cmd"},
        {{"--late-ms", "-5"}, "--late-ms"},
        {{"--hangup-after", ""}, "--hangup-after"},
        {{"--parent-pid", "0"}, "--parent-pid"},
        {{"--state", ""}, "--state"},
        {{"--wrong-id=yes"}, "takes no value"},
        {{"--frobnicate"}, "unknown option"},
        {{"stray"}, "unexpected argument"}};
    for (const auto& [args, message_part] : cases) {
        const Parse_result result = parse_board_options(args);
        const std::string shown = ::testing::PrintToString(args);
        EXPECT_FALSE(result.ok()) << shown;
        EXPECT_NE(result.error.find(message_part), std::string::npos) << shown << ": " << result.error;
    }
}

}  // namespace
