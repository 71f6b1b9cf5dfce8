// Command-line options of the simulated board.

#include "sim/board_options.h"

#include <cctype>
#include <gtest/gtest.h>
#include <ostream>

namespace {

using sim::parse_board_options;
using sim::Parse_result;

TEST(BoardOptions, DefaultsWithoutArguments)
{
    const Parse_result result = parse_board_options({});
    ASSERT_TRUE(result.ok()) << result.error;
    const sim::Board_options& o = result.options;
    EXPECT_EQ(o.pins, 18);
    EXPECT_EQ(o.revision, sim::Chip_revision::a_revision);
    EXPECT_EQ(o.firmware, "V1.02");
    EXPECT_EQ(o.device, 0x0FFE);
    EXPECT_EQ(o.sync, 200);
    EXPECT_EQ(o.timing, sim::Timing_mode::instant);
    EXPECT_FALSE(o.silent_after);
    EXPECT_FALSE(o.hangup_after);
    EXPECT_TRUE(o.silent_commands.empty());
    EXPECT_EQ(o.late_ms, 0);
    EXPECT_FALSE(o.extra_bytes || o.wrong_id || o.short_id || o.garbage_reads);
    EXPECT_FALSE(result.help || result.version);
}

TEST(BoardOptions, EveryOptionIsTaken)
{
    const Parse_result result = parse_board_options(
        {"--pins", "28", "--rev", "old", "--firmware", "V2.00", "--device", "0A12", "--sync", "0", "--min-wait", "20",
         "--load-hex", "image.hex", "--state", "chip.state", "--log", "board.log", "--timing",
         "real", "--link", "/tmp/ttyQORVIL", "--silent-after", "5", "--silent-cmd", "7",
         "--silent-cmd", "6", "--late-ms", "30", "--extra-bytes", "--wrong-id", "--short-id",
         "--garbage-reads", "--hangup-after", "9", "--exit-with-parent", "--parent-pid", "1234"});
    ASSERT_TRUE(result.ok()) << result.error;
    const sim::Board_options& o = result.options;
    EXPECT_EQ(o.pins, 28);
    EXPECT_EQ(o.revision, sim::Chip_revision::old_revision);
    EXPECT_EQ(o.firmware, "V2.00");
    EXPECT_EQ(o.device, 0x0A12);
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
}

TEST(BoardOptions, ValueAfterEqualsSign)
{
    const Parse_result result = parse_board_options({"--pins=28", "--rev=A", "--device=0x123"});
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.options.pins, 28);
    EXPECT_EQ(result.options.revision, sim::Chip_revision::a_revision);
    EXPECT_EQ(result.options.device, 0x123);
}

TEST(BoardOptions, HelpAndVersion)
{
    EXPECT_TRUE(parse_board_options({"--help"}).help);
    EXPECT_TRUE(parse_board_options({"--version"}).version);
}

TEST(BoardOptions, UsageMentionsEveryOption)
{
    const std::string usage = sim::usage_text("qorvil-board-sim");
    for (const char* option :
         {"--pins", "--rev", "--firmware", "--device", "--sync", "--load-hex", "--state", "--log",
          "--timing", "--link", "--silent-after", "--silent-cmd", "--late-ms", "--extra-bytes",
          "--wrong-id", "--short-id", "--garbage-reads", "--hangup-after", "--exit-with-parent",
          "--parent-pid", "--help", "--version"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;
}

struct Bad_arguments {
    std::vector<std::string> args;
    std::string message_part;
};

void PrintTo(const Bad_arguments& bad, std::ostream* out)
{
    for (const std::string& arg : bad.args)
        *out << "'" << arg << "' ";
}

// Test names like "pins_20" from the arguments.
std::string name_of(const ::testing::TestParamInfo<Bad_arguments>& info)
{
    std::string name;
    for (const std::string& arg : info.param.args)
        for (const char c : arg)
            if (std::isalnum(static_cast<unsigned char>(c)))
                name += c;
            else if (!name.empty() && name.back() != '_')
                name += '_';
    return std::to_string(info.index) + "_" + name;
}

class BoardOptionsRejects : public ::testing::TestWithParam<Bad_arguments> {};

TEST_P(BoardOptionsRejects, WithAMessage)
{
    const Parse_result result = parse_board_options(GetParam().args);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.find(GetParam().message_part), std::string::npos) << result.error;
}

INSTANTIATE_TEST_SUITE_P(
    BadValues, BoardOptionsRejects,
    ::testing::Values(Bad_arguments{{"--pins", "20"}, "--pins"},
                      Bad_arguments{{"--pins"}, "needs a value"},
                      Bad_arguments{{"--rev", "B"}, "--rev"},
                      Bad_arguments{{"--device", "1000"}, "--device"},
                      Bad_arguments{{"--device", "xyz"}, "--device"},
                      Bad_arguments{{"--sync", "256"}, "--sync"},
                      Bad_arguments{{"--sync", "-1"}, "--sync"},
                      Bad_arguments{{"--sync", "12a"}, "--sync"},
                      Bad_arguments{{"--timing", "slow"}, "--timing"},
                      Bad_arguments{{"--silent-after", "many"}, "--silent-after"},
                      Bad_arguments{{"--silent-cmd", "78"}, "--silent-cmd"},
                      Bad_arguments{{"--late-ms", "-5"}, "--late-ms"},
                      Bad_arguments{{"--hangup-after", ""}, "--hangup-after"},
                      Bad_arguments{{"--parent-pid", "0"}, "--parent-pid"},
                      Bad_arguments{{"--state", ""}, "--state"},
                      Bad_arguments{{"--wrong-id=yes"}, "takes no value"},
                      Bad_arguments{{"--frobnicate"}, "unknown option"},
                      Bad_arguments{{"stray"}, "unexpected argument"}),
    name_of);

}  // namespace
