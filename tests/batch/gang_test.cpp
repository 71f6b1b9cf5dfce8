// Gang programming end to end: one batch process, a session per board, simulated boards on
// pseudo-terminals mapped to COM1, COM2, … in the run's settings.

#include "core_kit.h"


#include <QRegularExpression>
#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace {

class Gang : public test::Batch_home {
protected:
    std::vector<std::unique_ptr<test::Sim_process>> boards;

    sim::Chip chip(int n) { return test::chip_of(*boards[size_t(n - 1)], path(QString("chip%1.state").arg(n))); }

    // The board's last command, once it has been logged.
    QString last_command(int n)
    {
        QString last;
        test::wait_until([&] {
            const QStringList lines =
                QString::fromUtf8(test::read_file(boards[size_t(n - 1)]->log_path)).split('\n', Qt::SkipEmptyParts);
            last = lines.isEmpty() ? QString() : lines.last().section(' ', 1);
            return last.startsWith("cmd ':'");
        });
        return last;
    }
};

std::vector<int> image_words(int count)
{
    std::vector<int> words;
    for (int i = 0; i < count; ++i)
        words.push_back((i * 37 + 5) & 0x7FF);
    return words;
}

// On a terminal a single board shows a bar that it clears before the next line; a gang keeps
// one line per board, cut to the terminal's width, lifted out of the way of each note.
TEST_F(Gang, OnATerminal)
{
    boards = boards_on_com_ports({{}, {"--garbage-reads"}});
    test::write_file(path("image.hex"), test::hex_text({0x123, 0x456, 0x789}));
    test::Batch_process one(home.path(), {"--port", "COM1", "--program", path("image.hex")}, 11);
    EXPECT_EQ(one.finish(), 0) << one.err.toStdString();
    for (const QString &bar : {"\r[" + QString(20, '#') + QString(20, '.') + "]  50% 書き込み中.....\r[",
                               "\r[" + QString(40, '#') + "] 100% 書き込み中.....\r\033[K00:00:"})
        EXPECT_TRUE(one.err.contains(bar)) << one.err.toStdString();

    test::Batch_process gang(home.path(), {"--ports", "COM1,COM2", "--program", path("image.hex")}, 11);
    EXPECT_EQ(gang.finish(), 1) << gang.err.toStdString();
    EXPECT_TRUE(gang.err.contains("\033[2A\r\033[KCOM1  ok, \r\n\r\033[KCOM2  veri\r\n\r\n")) << gang.err.toStdString();
    EXPECT_GE(gang.err.count("\r\n\033[2A\r\033[JCOM"), 2);  // the results and the differences, below the block
}

TEST_F(Gang, EveryBoardSaysWhatHappenedToIt)
{
    // The probe's "=" is the first command every board answers: board 2 answers 18 commands,
    // which ends in the second word's increment.
    boards = boards_on_com_ports({{}, {"--silent-after", "18"}, {"--garbage-reads"}});
    const std::vector<int> words = image_words(16);
    test::write_file(path("image.hex"), test::hex_text(words));

    test::Batch_process gang(home.path(), {"--port", "all", "--identify", "--program", path("image.hex"), "--trace", path("traces")});
    EXPECT_EQ(gang.finish(), 2) << gang.err.toStdString();

    EXPECT_EQ(QStringList(gang.out.split('\n')).filter("COM2: QORVIL V1.02").size(), 1) << gang.out.toStdString();
    EXPECT_EQ(gang.err.count("COM1: program 50 %\n"), 1);  // each step once
    EXPECT_TRUE(gang.err.contains(QRegularExpression("\nCOM3: verify differences, \\d+\\.\\d s\n"))) << gang.err.toStdString();
    for (const char *line : {"COM1: connecting\n", "COM3: identify\n", "COM1: program 50 %\n", "COM1: verify 100 %\n",
                             "COM2: program 5 %\n", "COM3: verify 100 %\n", "COM2: [error] デバイス　アクセスエラー"})
        EXPECT_TRUE(gang.err.contains(line)) << line;
    const QStringList table = gang.err.section("\n\n", -1).split('\n', Qt::SkipEmptyParts);
    const QString results[] = {"ok", "communication error (program:7)", "verify differences"};
    ASSERT_EQ(table.size(), 4) << gang.err.toStdString();
    EXPECT_TRUE(table[0].contains(QRegularExpression("^port +device +result +elapsed$"))) << table[0].toStdString();
    for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(table[n].contains(QRegularExpression(QString("^COM%1 +%2 +%3 +\\d+\\.\\d s$")
                                                             .arg(n)
                                                             .arg(QRegularExpression::escape(boards[size_t(n - 1)]->device),
                                                                  QRegularExpression::escape(results[n - 1])))))
            << table[n].toStdString();

    const sim::Chip good = chip(1);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(good.words[size_t(i)], words[size_t(i)]) << i;
    EXPECT_EQ(good.words[16], 0xFFF);
    for (const QString trace : {"COM1", "COM2", "COM3"}) {
        const QByteArray text = test::read_file(path("traces/" + trace + ".trace"));
        EXPECT_TRUE(!text.isEmpty() && text.contains("program:7 sent 37 got - time-out") == (trace == "COM2")) << trace.toStdString();
    }
}

TEST_F(Gang, CtrlCLeavesEveryBoardOutOfIspModeAndSaysSo)
{
    const struct {
        QStringList ports;
        QStringList wait_for;  // on standard error before the signal
        int boards;
    } cases[] = {
        {{"--port", "COM1"}, {"書き込み中....."}, 1},
        {{"--ports", "COM1,COM2"}, {"COM1: program 10 %", "COM2: program 10 %"}, 2},
    };
    test::write_file(path("image.hex"), test::hex_text(image_words(512)));
    for (const auto &c : cases) {
        boards.clear();
        boards = boards_on_com_ports(std::vector<QStringList>(size_t(c.boards), {"--late-ms", "2"}));
        test::Batch_process run(home.path(), c.ports + QStringList{"--program", path("image.hex")});
        ASSERT_TRUE(run.wait_for_errors(c.wait_for)) << run.err.toStdString();
        run.signal(SIGINT);
        run.wait_for_errors({"stopping"});
        run.signal(SIGINT);  // again, while the boards stop: said once
        EXPECT_EQ(run.finish(), 2) << run.err.toStdString();
        EXPECT_EQ(run.err.count("stopping"), c.boards > 1 ? 3 : 1) << run.err.toStdString();  // each board, and the gang
        for (int n = 1; n <= c.boards; ++n) {
            EXPECT_TRUE(last_command(n).contains(" isp off ")) << n;
            EXPECT_TRUE(c.boards == 1 || run.err.contains(QRegularExpression(QString("\nCOM%1 .* interrupted +\\d").arg(n))))
                << run.err.toStdString();
        }
    }
}

} // namespace
