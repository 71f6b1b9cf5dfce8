// The batch command line: order of actions, option values, and what is refused.

#include "shell/batch_options.h"
#include "shell/gang_supervisor.h"
#include "shell/production_options.h"

#include <gtest/gtest.h>

namespace {

using shell::Batch_action;
using shell::parse_batch_arguments;

TEST(BatchOptions, ActionsKeepTheirOrderAndOptionsTheirValues)
{
    const auto r = parse_batch_arguments({"--batch", "--port", "COM3", "--pins", "28", "--rev", "old", "--wait", "0",
                                          "--erase", "--fuse", "0x0F7F", "--program", "a.hex", "--verify", "b.hex",
                                          "--identify", "--read", "c.hex", "--quiet"});
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    EXPECT_EQ(*r.options.port, "COM3");
    EXPECT_TRUE(r.options.pins == 28 && r.options.rev == 0 && r.options.wait == 0 && r.options.quiet);
    ASSERT_EQ(r.options.actions.size(), 6u);
    const Batch_action::Kind kinds[] = {Batch_action::erase, Batch_action::fuse, Batch_action::program,
                                        Batch_action::verify, Batch_action::identify, Batch_action::read};
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(r.options.actions[i].kind, kinds[i]);
    EXPECT_EQ(r.options.actions[2].value, "a.hex");
    EXPECT_EQ(r.options.actions[1].value, "0x0F7F");
}

TEST(BatchOptions, DefaultsComeFromElsewhere)
{
    const auto r = parse_batch_arguments({"--identify"});
    ASSERT_TRUE(r.error.isEmpty());
    EXPECT_FALSE(r.options.port || r.options.pins || r.options.rev || r.options.wait);
}

TEST(BatchOptions, RefusesWhatCannotBeRight)
{
    for (const QStringList &args :
         {QStringList{}, QStringList{"--pins", "18"}, QStringList{"--pins", "20", "--erase"},
          QStringList{"--rev", "B", "--erase"}, QStringList{"--wait", "256", "--erase"},
          QStringList{"--wait", "-1", "--erase"}, QStringList{"--wait", "x", "--erase"},
          QStringList{"--fuse", "FFFF", "--erase"}, QStringList{"--fusex", "G00", "--erase"},
          QStringList{"--program"}, QStringList{"--erase", "--what"}, QStringList{"--port", "", "--erase"},
          QStringList{"--port", "all", "--port", "COM1", "--erase"}, QStringList{"--ports", "COM1,COM1", "--erase"},
          QStringList{"--port", "auto", "--ports", "COM2", "--erase"}, QStringList{"--ports", ",", "--erase"},
          QStringList{"--program", "a.hex", "--serial", "0x20:5", "--serial-file", "s", "--serial-bytes", "5"},
          QStringList{"--program", "a.hex", "--serial", "0x20:0", "--serial-file", "s", "--serial-bytes", "0"}})
        EXPECT_FALSE(parse_batch_arguments(args).error.isEmpty()) << args.join(' ').toStdString();
    EXPECT_TRUE(parse_batch_arguments({"--help"}).help);
}

TEST(BatchOptions, SeveralPortsMakeAGangAndEachBoardGetsItsOwnArguments)
{
    const struct {
        QStringList args;
        QStringList ports;
        QString port;  // what a single run uses
        bool gang;
    } cases[] = {
        {{"--port", "COM1"}, {"COM1"}, "COM1", false},
        {{"--ports", "COM4"}, {"COM4"}, "COM4", false},
        {{"--port", "all"}, {"all"}, "all", true},
        {{"--port", "COM1", "--ports", "COM2,/dev/ttyUSB0"}, {"COM1", "COM2", "/dev/ttyUSB0"}, "/dev/ttyUSB0", true},
    };
    for (const auto &c : cases) {
        const auto r = parse_batch_arguments(c.args + QStringList{"--erase"});
        ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
        EXPECT_EQ(r.options.ports, c.ports);
        EXPECT_EQ(*r.options.port, c.port);
        EXPECT_EQ(shell::several_boards(r.options), c.gang);
    }
    EXPECT_EQ(shell::board_arguments({"--batch", "--port", "COM1", "--quiet", "--ports", "COM2,COM3", "--trace", "t",
                                      "--program", "a.hex"},
                                     "COM2", "t/COM2.trace"),
              (QStringList{"--batch", "--quiet", "--program", "a.hex", "--port", "COM2", "--progress-channel", "--trace",
                           "t/COM2.trace"}));
    EXPECT_EQ(shell::board_trace_file("t", "/dev/ttyUSB0"), "t/dev_ttyUSB0.trace");
}

} // namespace
