// A production line left unattended: numbers files that could repeat a number, every way a
// run can be stopped, outputs that cannot be written, boards left out of step, busy ports.

#include "core_kit.h"

#include "batch/gang.h"
#include "sim/state_file.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <gtest/gtest.h>

#include <csignal>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Unattended : public test::Batch_home {
protected:
    void SetUp() override { test::write_file(path("image.hex"), test::hex_text({0x123, 0x456})); }
};

// Every read checks the whole file; a file that could give a number twice is refused before a
// board is touched, naming its line. Pending numbers are put back with an option.
TEST_F(Unattended, ADamagedNumbersFileIsRefusedAndPendingNumbersArePutBackByOption)
{
    test::Sim_process board;
    const std::pair<QByteArray, QString> files[] = {
        {"", "the line 'next N' is missing"},
        {"next 1003\nfree 1004\n", "line 2: 1004 is not below 'next 1003'"},
        {"next 1006\nfree 1005\npending 1005 COM1\n", "line 3: 1005 is listed in line 2 already"},
        {QByteArray("next 10\0" "05\n", 11), "line 1 is not 'next N'"},
    };
    for (const auto &[contents, problem] : files) {
        test::write_file(path("serials.txt"), contents);
        const Run r = qorvil({"--port", board.device, "--program", path("image.hex"), "--serial", "0x10:1000",
                              "--serial-file", path("serials.txt")});
        EXPECT_TRUE(r.code == 3 && r.err.contains(problem)) << r.err.toStdString();
        EXPECT_EQ(test::read_file(path("serials.txt")), contents);
    }
    EXPECT_EQ(board.log(), "");

    test::write_file(path("serials.txt"), "next 5\npending 3 COM1\npending 4 COM2\n");
    Run r = qorvil({"--serial-file", path("serials.txt"), "--serial-free", "3", "--serial-used", " 4 "});
    EXPECT_TRUE(r.code == 0 && numbers() == "next 5\nfree 3\n") << r.err.toStdString();
    r = qorvil({"--serial-file", path("serials.txt"), "--serial-used", "3"});
    EXPECT_TRUE(r.code == 3 && r.err.contains("3 is not pending") && numbers() == "next 5\nfree 3\n");
}

// A closed terminal (SIGHUP), a reader of the output that went away or a parent that died
// stops a run as Ctrl-C does: the chip leaves ISP mode, the number goes back, the log has the
// run's row.
TEST_F(Unattended, AClosedTerminalOrOutputOrADeadParentStopsTheRunThroughItsAbortPath)
{
    std::vector<int> words(512, 0x123);
    test::write_file(path("big.hex"), test::hex_text(words));
    enum { hang_up, output_closed, parent_gone };
    for (const int way : {hang_up, output_closed, parent_gone}) {
        test::Sim_process board({"--late-ms", "2"});
        QFile::remove(path("serials.txt"));
        QFile::remove(path("log.csv"));
        // `qorvil … | head -n N` in a shell: the shell is the run's parent.
        test::Batch_process run(home.path(),
                                {"--port", board.device, "--program", path("big.hex"), "--serial", "0x300:1",
                                 "--serial-file", path("serials.txt"), "--log-csv", path("log.csv")},
                                0, way == hang_up ? 0 : way == output_closed ? 1 : 1000);
        if (way == hang_up) {
            ASSERT_TRUE(run.wait_for_errors({"書き込み中....."})) << run.err.toStdString();
            run.signal(SIGHUP);
        } else if (way == parent_gone) {
            board.log(20);  // programming
            run.signal(SIGKILL);
        }
        EXPECT_EQ(run.finish(), way == parent_gone ? -1 : 2) << way;
        EXPECT_TRUE(test::wait_until([&] { return read("log.csv").contains(",,interrupted,"); }, 60000))
            << read("log.csv").toStdString();
        EXPECT_TRUE(board.log().endsWith(':')) << way;
        EXPECT_EQ(numbers(), "next 2\nfree 1\n");
        EXPECT_FALSE(run.err.contains("[error]")) << run.err.toStdString();  // no device access error
    }
    // Started with hang-ups ignored (nohup), it goes on to the end.
    test::Sim_process board;
    test::Batch_process run(home.path(), {"--port", board.device, "--program", path("big.hex")}, 0, 0, true);
    ASSERT_TRUE(run.wait_for_errors({"書き込み中....."})) << run.err.toStdString();
    run.signal(SIGHUP);
    EXPECT_EQ(run.finish(), 0) << run.err.toStdString();
}

TEST_F(Unattended, EveryBoardOfAGangKeepsItsOwnReadback)
{
    sim::Chip one, two;
    one.words[0] = 0x111;
    two.words[0] = 0x222;
    test::write_file(path("one.state"), QByteArray::fromStdString(sim::format_state(one)));
    test::write_file(path("two.state"), QByteArray::fromStdString(sim::format_state(two)));
    test::Sim_process first({"--state", path("one.state")}), second({"--state", path("two.state")});
    const Run r = qorvil({"--ports", first.device + ',' + second.device, "--quiet", "--read", path("back.hex")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(test::hex_chip(batch::board_file(path("back.hex"), first.device)).words[0], 0x111);
    EXPECT_EQ(test::hex_chip(batch::board_file(path("back.hex"), second.device)).words[0], 0x222);
    EXPECT_FALSE(QFile::exists(path("back.hex")));
    EXPECT_EQ(batch::board_name("/dev/tty_S0") + ' ' + batch::board_name("/dev/tty/S0"), "dev_tty-5FS0 dev_tty_S0");
}

// Nothing waits for a pipe, reads a file larger than any image or sits out a lock past Ctrl-C;
// what the run would write is checked before a board is touched, and no number is used.
TEST_F(Unattended, WhatCannotBeReadWrittenOrWaitedForEndsTheRunAtOnce)
{
    test::Sim_process board;
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.hex")).constData(), 0600), 0);
    test::write_file(path("huge.hex"), QByteArray(5 * 1024 * 1024, '\n'));
    QDir(home.path()).mkdir("folder");
    test::write_file(path("serials.txt"), "next 7\n");
    const QStringList serial{"--serial", "0x10:1", "--serial-file", path("serials.txt")};
    const std::pair<QStringList, QString> cases[] = {
        {{"--program", path("pipe.hex")}, "pipe.hex is not a regular file"},
        {{"--program", path("huge.hex")}, "huge.hex is larger than any image can be"},
        {serial + QStringList{"--program", path("image.hex"), "--log-csv", path("none/log.csv")}, "the folder of"},
        {serial + QStringList{"--program", path("image.hex"), "--read", path("folder")}, "folder is a folder"},
        {serial + QStringList{"--program", path("image.hex"), "--trace", "/dev/full"}, "/dev/full is not a regular file"},
    };
    for (const auto &[args, problem] : cases) {
        const Run r = qorvil(QStringList{"--port", board.device} + args, 20000);
        EXPECT_TRUE(r.code == 3 && r.err.contains(problem)) << r.err.toStdString();
    }
    EXPECT_EQ(board.log() + numbers(), "next 7\n");

    // A log that can no longer be written when the row comes: the good chip's run says so.
    std::vector<int> words(128, 0x123);
    test::write_file(path("big.hex"), test::hex_text(words));
    {
        test::Sim_process slow({"--late-ms", "2"});
        test::Batch_process run(home.path(), {"--port", slow.device, "--program", path("big.hex"), "--log-csv", path("log.csv")});
        ASSERT_TRUE(run.wait_for_errors({"書き込み中....."})) << run.err.toStdString();
        QDir(home.path()).mkpath("log.csv/taken");
        EXPECT_EQ(run.finish(), 3);
        EXPECT_TRUE(run.err.contains("cannot write the production log")) << run.err.toStdString();
    }

    QLockFile held(path("serials.txt.lock"));  // another program holds the numbers file
    ASSERT_TRUE(held.tryLock());
    test::Batch_process run(home.path(), QStringList{"--port", board.device, "--program", path("image.hex")} + serial);
    ASSERT_TRUE(run.wait_for_errors({"serials.txt, which another program has locked"})) << run.err.toStdString();
    run.signal(SIGINT);
    EXPECT_EQ(run.finish(10000), 2) << run.err.toStdString();  // long before the lock would give out
    EXPECT_EQ(board.log(), "");
}

// A board whose host went away in the middle of a command waits for a payload byte or two;
// the next run brings it back in step. A port another program holds says so.
TEST_F(Unattended, ABoardLeftWaitingForAPayloadIsBroughtBackInStep)
{
    for (const auto &[pending, log] : {std::pair{"4", "4[3D3D]="}, {">", ">[3D]=="}}) {
        test::Sim_process board;
        QFile line(board.device);  // what the host wrote before it went away
        ASSERT_TRUE(line.open(QIODevice::WriteOnly) && line.write(pending) == 1 && line.flush());
        const Run r = qorvil({"--port", board.device, "--identify"});
        EXPECT_EQ(r.out + QString::number(r.code), "QORVIL V1.02\n0") << r.err.toStdString();
        EXPECT_EQ(board.log(2), log);
    }
    test::Sim_process board;
    test::Port_holder holder(board.device);
    ASSERT_TRUE(holder.holding);
    const Run r = qorvil({"--port", board.device, "--identify"});
    EXPECT_TRUE(r.code == 2 && r.err.contains("the port is in use by another program")) << r.err.toStdString();
}

// Names written in another encoding than UTF-8: a folder of any name takes every file the run
// writes; a file named so is read, and refused at once as an output.
TEST_F(Unattended, NamesThatAreNotUtf8AreReachedOrRefusedAtOnce)
{
    const QByteArray folder = QFile::encodeName(home.path()) + "/B\xe4nder";  // "Bänder" in Latin-1
    ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
    ASSERT_EQ(std::rename(QFile::encodeName(path("image.hex")).constData(), (folder + "/Pr\xfc" "fung.hex").constData()), 0);
    const QString shown = path("B\\xe4nder/");  // as the shell gets it
    {
        test::Sim_process board;
        const Run r = qorvil({"--port", board.device, "--program", shown + "Pr\\xfc" "fung.hex", "--read", shown + "back.hex",
                              "--log-csv", shown + "log.csv"});
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        ASSERT_EQ(std::rename((folder + "/back.hex").constData(), QFile::encodeName(path("back.hex")).constData()), 0);
        EXPECT_EQ(test::hex_chip(path("back.hex")).words[1], 0x456);
        EXPECT_EQ(::access((folder + "/log.csv").constData(), R_OK), 0);
    }
    test::Sim_process board;
    const std::pair<QStringList, QString> refused[] = {
        {{"--program", shown + "Pr\\xfc" "fung.hex", "--read", shown + "\\xe4.hex"}, "whose name is not UTF-8 can be read, not written"},
        {{"--program", shown + "\\xe4.hex"}, "cannot read"},
    };
    for (const auto &[args, problem] : refused) {
        const Run r = qorvil(QStringList{"--port", board.device} + args);
        EXPECT_TRUE(r.code == 3 && r.err.contains(problem)) << r.err.toStdString();
    }
    EXPECT_EQ(board.log(), "");
    if (DIR *d = ::opendir(folder.constData())) {  // beyond what the toolkit can remove
        while (const dirent *e = ::readdir(d))
            ::unlinkat(::dirfd(d), e->d_name, 0);
        ::closedir(d);
    }
    ::rmdir(folder.constData());
}

// --boards: a gang that finds fewer boards than the line expects touches none of them.
TEST_F(Unattended, AMissingBoardIsNotSilent)
{
    const auto boards = boards_on_com_ports({{}, {}});
    Run r = qorvil({"--port", "all", "--boards", "3", "--program", path("image.hex")});
    EXPECT_TRUE(r.code == 2 && r.err.contains("found 2 of the 3 boards expected")) << r.err.toStdString();
    EXPECT_EQ(boards[0]->log() + boards[1]->log(), "==");  // asked once each, by the search
    boards_on_com_ports({});
    r = qorvil({"--port", "all", "--program", path("image.hex")});
    EXPECT_TRUE(r.code == 2 && r.err.contains("qorvil: no programmer found on COM1 to COM9\nqorvil:   COM1")) << r.err.toStdString();
}

} // namespace
