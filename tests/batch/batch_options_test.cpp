// The command line: order of actions, option values, what batch mode refuses and what a
// window run passes over.

#include "batch/command_line.h"
#include "batch/gang.h"

#include <gtest/gtest.h>

namespace {

using batch::Batch_action;

batch::Command_line batch_line(const QStringList &args) { return batch::parse_command_line(QStringList{"--batch"} + args); }

TEST(CommandLine, ActionsKeepTheirOrderAndOptionsTheirValues)
{
    const auto r = batch_line({"--port", "COM3", "--pins", "28", "--rev", "old", "--wait", "0", "--erase", "--fuse",
                               "0x0F7F", "--program", "a.hex", "--verify", "b.hex", "--identify", "--read", "c.hex",
                               "--quiet", "--lang", "en", "--trace", "t1", "--trace", "t2"});
    ASSERT_TRUE(r.batch && r.error.isEmpty()) << r.error.toStdString();
    const batch::Batch_options &o = r.options;
    EXPECT_TRUE(o.port == QString("COM3") && o.pins == 28 && o.rev == 0 && o.wait == 0 && o.quiet && r.lang == QString("en")
                && o.trace == QString("t2"));
    ASSERT_EQ(o.actions.size(), 6u);
    const Batch_action::Kind kinds[] = {Batch_action::erase, Batch_action::fuse, Batch_action::program,
                                        Batch_action::verify, Batch_action::identify, Batch_action::read};
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(o.actions[i].kind, kinds[i]);
    EXPECT_EQ(o.actions[2].value + o.actions[1].value, "a.hex0x0F7F");
    const auto defaults = batch_line({"--identify"});
    EXPECT_FALSE(defaults.options.port || defaults.options.pins || defaults.options.rev || defaults.options.wait
                 || defaults.options.trace || defaults.lang);
}

TEST(CommandLine, BatchModeRefusesWhatCannotBeRight)
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
          QStringList{"--program", "a.hex", "--serial", "0x20:0", "--serial-file", "s", "--serial-bytes", "0"},
          QStringList{"--program", "a.hex", "--serial", "0x20:5"}, QStringList{"--erase", "--serial-file", "s"},
          QStringList{"--erase", "--serial", "0x20:5", "--serial-file", "s"},
          QStringList{"--program", "a.hex", "--serial", "0x20:65536", "--serial-file", "s"},
          QStringList{"--watch", "--erase"}, QStringList{"--erase", "--log-csv", ""},
          QStringList{"--port", "all", "--boards", "0", "--erase"}, QStringList{"--port", "COM1", "--boards", "2", "--erase"}})
        EXPECT_FALSE(batch_line(args).error.isEmpty()) << args.join(' ').toStdString();
    EXPECT_TRUE(batch_line({"--help", "--frobnicate"}).help);
    EXPECT_EQ(batch_line({"--frobnicate", "--help"}).error, "unknown argument '--frobnicate'");
}

// Without --batch the program opens its windows; what it does not know it passes over.
TEST(CommandLine, AWindowRunTakesItsOptionsAndPassesOverTheRest)
{
    const auto r = batch::parse_command_line({"--frobnicate", "--lang", "en", "--trace", "t1", "--lang", "ja", "--trace", "t2",
                                              "--wait", "300"});
    EXPECT_TRUE(!r.batch && !r.help && !r.version && r.error.isEmpty() && r.lang == QString("en") && r.trace == QString("t1"));
    const auto text = batch::parse_command_line({"-h", "--version", "--help-path"});
    EXPECT_TRUE(text.help && text.version && text.help_path && !text.batch);
}

TEST(CommandLine, SeveralPortsMakeAGangAndEachBoardGetsItsOwnTraceFile)
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
        const auto r = batch_line(c.args + QStringList{"--erase"});
        ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
        EXPECT_TRUE(r.options.ports == c.ports && r.options.port == c.port && batch::several_boards(r.options) == c.gang)
            << c.args.join(' ').toStdString();
    }
    EXPECT_EQ(batch::board_trace_file("t", "/dev/ttyUSB0"), "t/dev_ttyUSB0.trace");
}

} // namespace
