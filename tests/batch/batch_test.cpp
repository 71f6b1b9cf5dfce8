// Batch mode end to end: the real program against the simulated board on a
// pseudo-terminal.

#include "core_kit.h"

#include "sim/state_file.h"

#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Batch : public test::Batch_home {
protected:
    // An SX28 program with FUSE and FUSEX (programs from gpasm itself: interop_test).
    QString assembled_program()
    {
        std::vector<int> words(2048, 0xFFF);
        for (const auto &[address, word] : {std::pair{0, 0xC12}, {1, 0x028}, {2, 0xA00}, {0x40, 0x123}, {0x41, 0x456},
                                            {0x42, 0x000}, {0x7FF, 0xA00}})
            words[size_t(address)] = word;
        EXPECT_TRUE(test::write_file(path("blink.hex"), test::hex_text(words, 0xFF7, 0xFBF)));
        return path("blink.hex");
    }
};

TEST_F(Batch, ProgramVerifyAndReadBackAProgram)
{
    const QString hex = assembled_program();
    test::Sim_process board({"--state", path("chip.state"), "--pins", "28"});
    ASSERT_TRUE(board.started());

    Run r = qorvil({"--port", board.device, "--pins", "28", "--rev", "A", "--program", hex, "--verify", hex});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    // Off a terminal: no progress bar and no progress lines.
    EXPECT_TRUE(r.err.contains("正常終了しました。") && !r.err.contains('\r') && !r.err.contains("残り"))
        << r.err.toStdString();

    r = qorvil({"--port", board.device, "--pins", "28", "--quiet", "--read", path("back.hex")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();

    const sim::Chip source = test::hex_chip(hex);
    const sim::Chip back = test::hex_chip(path("back.hex"));
    EXPECT_EQ(source.words, back.words);
    EXPECT_TRUE(back.words[0] == 0xC12 && back.words[0x41] == 0x456 && back.fuse == 0xFF7);

    const sim::Chip chip = test::chip_of(board, path("chip.state"));
    EXPECT_EQ(chip.words, source.words);
    EXPECT_TRUE(chip.fuse == 0xFF7 && (chip.fusex & 0xFF) == 0xBF && (chip.fusex & 0x400));  // 28 pins
    // Batch mode saves no settings and leaves no dump of the image behind.
    EXPECT_FALSE(QFile::exists(path("config/Qorvil/Qorvil.conf")) || QFile::exists(path("work/sx_hex.txt")));
}

TEST_F(Batch, EraseAndConfigurationWordOverrides)
{
    const sim::Chip old = [] {
        sim::Chip c;
        c.words[5] = 0x123;
        return c;
    }();
    ASSERT_TRUE(test::write_file(path("chip.state"), QByteArray::fromStdString(sim::format_state(old))));
    const QString hex = assembled_program();
    test::Sim_process board({"--state", path("chip.state")});
    ASSERT_TRUE(board.started());
    QSettings conf(path("config/Qorvil/Qorvil.conf"), QSettings::IniFormat);  // stored choices out of range
    conf.setValue("Settings/ComNo", "0");  // no port saved yet
    conf.sync();
    EXPECT_TRUE(qorvil({"--erase"}).err.contains("qorvil: no port chosen: give --port COMn"));
    conf.setValue("Settings/Pin_mode", "20");
    conf.setValue("Settings/Rev_mode", "7");
    conf.setValue("Settings/ComNo", "3");  // the port the dialog saved, without --port
    conf.setValue("Ports/COM3", board.device);
    conf.sync();

    Run r = qorvil({"--erase"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    r = qorvil({"--port", board.device, "--fuse", "0F7B", "--fusex", "0x0FBE", "--program", hex});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(board.log().contains("=;=>[2D]9")) << board.log().toStdString();  // 18 pins and the A revision's wait
    const sim::Chip chip = test::chip_of(board, path("chip.state"));
    EXPECT_TRUE(chip.words[5] == 0xFFF && chip.fuse == 0xF7B && (chip.fusex & 0xFF) == 0xBE);
    // Words given after the last program touch nothing, also when the serial numbers are checked first.
    test::Sim_process next({"--state", path("chip.state")});
    EXPECT_EQ(qorvil({"--port", next.device, "--serial", "0x100:1", "--serial-file", path("s.txt"), "--program", hex,
                      "--fuse", "0F7A", "--fusex", "0FBD"}).code, 0);
    const sim::Chip again = test::chip_of(next, path("chip.state"));
    EXPECT_TRUE(again.fuse == 0xFF7 && (again.fusex & 0xFF) == 0xBF) << again.fuse << ' ' << again.fusex;
}

TEST_F(Batch, ExitStatusSaysWhatHappened)
{
    const QString hex = assembled_program();
    ASSERT_TRUE(test::write_file(path("notes.txt"), "shopping list\n"));
    const struct {
        QStringList board, args;  // "DEV": the board's device
        int code;
        QString out, err;  // what standard error must hold
    } cases[] = {
        {{"--firmware", "V2.10"}, {"--identify"}, 0, "QORVIL V2.10\n", ""},
        {{"--wrong-id"}, {"--identify"}, 2, "", "not the programmer"},
        // A blank chip: the result box, then what it probably means.
        {{}, {"--verify", hex}, 1, "",
         "< NG >\nヒント: イメージにデータがあるアドレスをチップはブランク（0FFF）と読みました。書き込まれていないか、書込み中に接続が切れました。\n"},
        {{}, {"--lang", "en", "--verify", hex}, 1, "",
         "< differs >\nHint: The chip reads blank (0FFF) where the image has data: it was not programmed, or the "
         "connection was lost while programming.\n"},
        {{"--silent-after", "1"}, {"--erase"}, 2, "", "処理中止 (2)"},
        {{}, {"--program", path("nothing.hex")}, 3, "", "nothing.hex"},
        {{}, {"--verify", path("notes.txt")}, 3, "", "not an Intel HEX file"},
        {{}, {"--fusex", "0F7D", "--program", hex, "--serial", "0x200:1", "--serial-file", path("s.txt")}, 3, "",
         "lies outside the chip's memory (0x000 to 0x1FF)"},  // the FUSEX given sets 512 words
        {{}, {}, 3, "", "qorvil --batch --help"},
        {{}, {"--frobnicate"}, 3, "", "qorvil --batch --help"},
        {{}, {"--port", "/dev/null", "--erase"}, 2, "", "cannot open /dev/null: Inappropriate ioctl"},  // not "in use"
    };
    for (const auto &c : cases) {
        test::Sim_process board(c.board);
        const Run r = qorvil(QStringList{"--port", board.device} + c.args);
        EXPECT_EQ(r.code, c.code) << c.args.join(' ').toStdString() << r.err.toStdString();
        EXPECT_EQ(r.out, c.out);
        EXPECT_TRUE(r.err.contains(c.err)) << r.err.toStdString();
    }
}

TEST_F(Batch, PortAutoGoesOnWithTheOneBoardAndStopsWhenNoneOrSeveralAnswer)
{
    const QStringList silent{"--silent-after", "0"}, v210{"--firmware", "V2.10"};
    const struct {
        std::vector<QStringList> boards;  // on COM1, COM2, ...
        int code;
        QString out, head;  // %1: the last board's device
    } cases[] = {
        {{silent, v210}, 0, "QORVIL V2.10\n", "found the programmer on COM2 (%1): QORVIL V2.10"},
        {{silent, {"--wrong-id"}}, 2, "", "qorvil: no programmer found on COM1 to COM9"},
        {{{}, silent, v210}, 3, "", "qorvil: the programmer answers on 2 ports; name one with --port"},
    };
    for (const auto &c : cases) {
        const auto boards = boards_on_com_ports(c.boards);
        const Run r = qorvil({"--port", "auto", "--identify"});
        EXPECT_EQ(r.code, c.code) << r.err.toStdString();
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err.section('\n', 0, 0), c.head.arg(boards.back()->device));
        for (const auto &board : boards)  // every port's outcome when not exactly one answered
            EXPECT_EQ(r.err.contains(QRegularExpression(QRegularExpression::escape(board->device) + "(?!\\d)")),  // pts/1 is not pts/10
                      c.code != 0 || board == boards.back()) << r.err.toStdString();
    }
}

TEST_F(Batch, Help)
{
    const Run r = qorvil({"--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.startsWith("Usage: qorvil --batch")) << r.out.toStdString();
}

} // namespace
