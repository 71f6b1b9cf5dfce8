// Production runs end to end against simulated boards: serial numbers from one file, the
// CSV log, and watch mode.

#include "core_kit.h"


#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <gtest/gtest.h>

#include <csignal>

namespace {

class Production : public test::Batch_home {
protected:
    // The commands a board received, their payloads left out.
    static QString commands(const test::Sim_process &board)
    {
        return board.log().remove(QRegularExpression("\\[[^]]*\\]"));
    }
};

TEST_F(Production, SerialNumbersAreUsedOnlyByGoodBoardsAndTheLogSaysWhatHappened)
{
    test::write_file(path("image.hex"), test::hex_text({0x123, 0x456}));
    test::Sim_process good, silent({"--silent-after", "11"});  // the 12th command programs FUSEX
    const QStringList serial{"--serial-file", path("serials.txt"), "--log-csv", path("log.csv"), "--program",
                             path("image.hex")};
    const QStringList plan{"--serial", " 0x10 : 1000 : 7 "};  // blanks around numbers do not count
    const struct {
        test::Sim_process *board;
        QStringList more;
        int status;
        QString serials;  // the numbers file afterwards, without its comment lines
        std::vector<int> read_back;  // words 0x10 and 0x11 of the chip
    } runs[] = {
        {&silent, plan, 2, "next 1007\nfree 1000\n", {}},
        {&good, plan + QStringList{"--read", path("back1.hex")}, 0, "next 1007\n", {0x8E8, 0x803}},
        {&good, plan + QStringList{"--read", path("back2.hex")}, 0, "next 1014\n", {0x8EF, 0x803}},
        {&good, {"--serial", "0x1:1000"}, 3, "next 1014\n", {}},  // word 1 is taken
    };
    int n = 0;
    for (const auto &r : runs) {
        ++n;
        QString before;  // every run before ends by leaving ISP mode
        test::wait_until([&] { return (before = commands(*r.board)).isEmpty() || before.endsWith(':'); });
        test::Batch_process run(home.path(), QStringList{"--port", r.board->device, "--quiet"} + serial + r.more);
        EXPECT_EQ(run.finish(), r.status) << n << run.err.toStdString();
        EXPECT_EQ(numbers(), r.serials) << n;
        if (!r.read_back.empty()) {
            const sim::Chip chip = test::hex_chip(path(QString("back%1.hex").arg(n - 1)));
            EXPECT_EQ(chip.words[0x10], r.read_back[0]) << n;
            EXPECT_EQ(chip.words[0x11], r.read_back[1]) << n;
            EXPECT_EQ(chip.words[1], 0x456);
        }
        if (r.status == 3) {
            EXPECT_TRUE(run.err.contains("already holds the word 456 at 0x001")) << run.err.toStdString();
            EXPECT_EQ(commands(*r.board), before);  // nothing was sent
        }
    }

    // CRC-32 of words 0 to 0x11 (the serial number last), FUSE and FUSEX, from python3's zlib.
    const QString image = QDir(home.path()).filePath("image.hex");
    const QStringList expected{
        "time,port,device,image,crc32,serial,result,seconds",
        QString("%1,%1,%2,0E980A91,,communication error (cor_program_FUSEX_word),").arg(silent.device, image),
        QString("%1,%1,%2,0E980A91,1000,ok,").arg(good.device, image),
        QString("%1,%1,%2,045D0388,1007,ok,").arg(good.device, image),
        QString("%1,,%2,78F43A87,,\"refused: the image already holds the word 456 at 0x001, where the serial "
                "number goes\",")
            .arg(good.device, image)};
    const QStringList rows = read("log.csv").split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), expected.size()) << read("log.csv").toStdString();
    EXPECT_EQ(rows[0], expected[0]);
    const QRegularExpression time("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(Z|[+-]\\d\\d:\\d\\d),"), seconds(",\\d+\\.\\d$");
    for (int i = 1; i < rows.size(); ++i) {
        EXPECT_TRUE(time.match(rows[i]).hasMatch() && seconds.match(rows[i]).hasMatch()) << rows[i].toStdString();
        EXPECT_EQ(QString(rows[i]).remove(time).remove(QRegularExpression("\\d+\\.\\d$")), expected[i]);
    }
}

TEST_F(Production, TheBoardsOfAGangGetNumbersOfTheirOwn)
{
    test::write_file(path("image.hex"), test::hex_text({0x123}));
    test::Sim_process one({"--state", path("one.state")}), two({"--state", path("two.state")});
    QSettings(path("config/Qorvil/Qorvil.conf"), QSettings::IniFormat).setValue("Ports/COM1", one.device);
    test::Batch_process gang(home.path(), {"--ports", "COM1," + two.device, "--program", path("image.hex"), "--serial",
                                           "0x20:5", "--serial-bytes", "1", "--serial-file", path("serials.txt"),
                                           "--log-csv", path("log.csv")});
    EXPECT_EQ(gang.finish(), 0) << gang.err.toStdString();
    const int first = test::chip_of(one, path("one.state")).words[0x20], second = test::chip_of(two, path("two.state")).words[0x20];
    EXPECT_TRUE((first == 0x805 && second == 0x806) || (first == 0x806 && second == 0x805)) << first << ' ' << second;
    EXPECT_TRUE(read("serials.txt").endsWith("\nnext 7\n")) << read("serials.txt").toStdString();
    for (const QString &row : {QString(",COM1,%1,.*,%2,ok,").arg(one.device).arg(first & 0xFF),
                               QString(",%1,%1,.*,%2,ok,").arg(two.device).arg(second & 0xFF)})
        EXPECT_TRUE(read("log.csv").contains(QRegularExpression(row))) << row.toStdString() << read("log.csv").toStdString();
}

TEST_F(Production, WatchProgramsEveryNewCompleteVersionAndWaitsOutAHalfWrittenOne)
{
    test::Sim_process board({"--state", path("chip.state")});
    const QByteArray second = test::hex_text({0x222, 0x333});
    test::write_file(path("blink.hex"), test::hex_text({0x111}));
    test::Batch_process watch(home.path(), {"--port", board.device, "--quiet", "--watch", "--program",
                                            path("blink.hex"), "--verify", path("blink.hex")});
    ASSERT_TRUE(watch.wait_for_errors({"run 1: ok"})) << watch.err.toStdString();
    test::write_file(path("blink.hex"), second.left(12));  // the assembler is still writing
    ASSERT_TRUE(watch.wait_for_errors({"blink.hex is not a complete Intel HEX file (line 1"})) << watch.err.toStdString();
    test::write_file(path("blink.new"), second);  // then it puts the whole file in place
    ASSERT_TRUE(QFile::remove(path("blink.hex")) && QFile::rename(path("blink.new"), path("blink.hex")));
    ASSERT_TRUE(watch.wait_for_errors({"run 2: ok"})) << watch.err.toStdString();
    watch.signal(SIGINT);
    EXPECT_EQ(watch.finish(), 0) << watch.err.toStdString();
    EXPECT_FALSE(watch.err.contains("run 3")) << watch.err.toStdString();

    EXPECT_EQ(commands(board).count('0'), 2);  // two erases: the half-written file never reached the board
    const sim::Chip chip = test::chip_of(board, path("chip.state"));
    EXPECT_EQ(chip.words[0], 0x222);
    EXPECT_EQ(chip.words[1], 0x333);
}

} // namespace
