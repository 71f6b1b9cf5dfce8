// The exchange trace and the adapter's latency timer, against the simulated board on a
// pseudo-terminal through the real serial port: batch mode as a separate program, the
// window in this one.

#include "support.h"

#include "link/frm_com.h"
#include "link/trace.h"
#include "platform/clock.h"
#include "platform/serial_port.h"
#include "shell/trace_control.h"
#include "state/frm_main.h"
#include "state/windows.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

const QString slow_hint = "アダプタの遅延タイマーが16\u00A0msです（1\u00A0msにする方法はヘルプを参照）";

// A sysfs tree in which `device` (a pseudo-terminal) has the latency timer `ms`, or none.
QString fake_sysfs(const QTemporaryDir &dir, const QString &device, const char *ms)
{
    const QString name = QFileInfo(QFileInfo(device).canonicalFilePath()).fileName();
    const QString folder = dir.path() + "/sys/class/tty/" + name + "/device";
    QDir().mkpath(folder);
    QFile::remove(folder + "/latency_timer");
    if (ms)
        test::write_file(folder + "/latency_timer", QByteArray(ms) + '\n');
    return dir.path() + "/sys";
}

// The trace's lines without their time field; a time-out's length must reach `min_ms`
// and is then written "N".
QStringList trace_lines(const QString &path, int min_ms = 0)
{
    QStringList lines;
    static const QRegularExpression time_field("^\\d+ "), time_out("after (\\d+) ms$");
    for (QString line : QString::fromUtf8(test::read_file(path)).split('\n', Qt::SkipEmptyParts)) {
        EXPECT_TRUE(time_field.match(line).hasMatch() && (!lines.isEmpty() || line.startsWith("0 "))) << line.toStdString();
        line.remove(time_field);
        if (const auto m = time_out.match(line); m.hasMatch()) {
            EXPECT_TRUE(m.captured(1).toLongLong() >= min_ms && m.captured(1).toLongLong() < min_ms + 10000) << line.toStdString();
            line.replace(m.capturedStart(1), m.capturedLength(1), "N");
        }
        lines << line;
    }
    return lines;
}

struct Batch_run {
    int code = -1;
    QString out, err;
};

// The program in batch mode; the sysfs root is the fake one when given.
Batch_run qorvil_batch(const QTemporaryDir &dir, const QStringList &args, const QString &sysfs = {})
{
    qputenv("QORVIL_SYSFS_ROOT", sysfs.toUtf8());
    test::Batch_process p(dir.path(), args);
    qunsetenv("QORVIL_SYSFS_ROOT");
    const int code = p.finish(60000);
    return {code, p.out, p.err};
}

TEST(Trace, BatchProgramTracesEveryExchangeUpToTheSilentCommand)
{
    QTemporaryDir dir;
    test::Sim_process board({"--rev", "old", "--silent-cmd", "5"});
    ASSERT_TRUE(board.started());
    const QString hex = dir.path() + "/one.hex";  // word 0 = 0x123
    ASSERT_TRUE(test::write_file(hex, ":020000002301DA\n:00000001FF\n"));
    const QString trace = dir.path() + "/trace.log";
    const Batch_run run = qorvil_batch(dir,
                                 {"--port", board.device, "--pins", "18", "--rev", "old", "--wait", "1", "--trace",
                                  trace, "--fusex", "0FFF", "--program", hex},
                                 fake_sysfs(dir, board.device, "16"));
    EXPECT_EQ(run.code, 2) << run.err.toStdString();

    const QString id = "53 58 20 51 4F 52 56 49 4C 20 56 31 2E 30 32";  // "SX QORVIL V1.02"
    const QStringList expected = {
        "open " + board.device + " low-latency refused: " + QString::fromLocal8Bit(std::strerror(ENOTTY)),
        "open " + board.device + " adapter latency timer 16 ms holds every reply back: set it to 1 ms (see the help)",
        "identify sent 3D got " + id + " ok",
        "cor_mode_18pin sent 3B got 4B ok",
        "cor_version sent 3D got " + id + " ok",
        "cor_reaset_wait sent 3E 01 got 4B ok",
        "cor_entry_ISP sent 39 got C8 4B ok",
        "cor_read_DEVICE_word sent 31 got 0F FE 0D ok",
        "cor_read_FUSEX sent 32 got 0F FF 0D ok",
        "cor_rease sent 30 got 4B ok",
        "cor_exit_ISP sent 3A got 4B ok",
        "cor_entry_ISP sent 39 got C8 4B ok",
        "cor_load_data_word sent 34 0B FF got 4B ok",  // FUSEX 0FFF with bit 10 cleared for 18 pins
        "cor_program_FUSEX_word sent 33 got 4B ok",
        "cor_exit_ISP sent 3A got 4B ok",
        "cor_entry_ISP sent 39 got C8 4B ok",
        "program:7 sent 37 got 4B ok",
        "program:4 sent 34 01 23 got 4B ok",
        "program:5 sent 35 got - time-out after N ms",
        "cor_exit_ISP sent 3A got 4B ok",
        "trace stopped",
    };
    QStringList lines = trace_lines(trace, 2000);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.takeFirst().startsWith("trace started "));
    EXPECT_EQ(lines.join('\n').toStdString(), expected.join('\n').toStdString());

    // A trace file that cannot be opened is reported, and the run goes on.
    const QString bad = hex + "/trace.log";
    const Batch_run identify = qorvil_batch(dir, {"--port", board.device, "--trace", bad, "--identify"});
    EXPECT_EQ(identify.code, 0);
    EXPECT_EQ(identify.out, "QORVIL V1.02\n");
    EXPECT_TRUE(identify.err.contains("qorvil: cannot write the trace to " + bad + ": ")) << identify.err.toStdString();
}

TEST(Trace, OpenAsksForLowLatencyAndGoesOnWhenRefused)
{
    // The board holds each reply back 300 ms, as an adapter's latency timer would.
    test::Sim_process board({"--adapter-latency-ms", "300"});
    const auto port = platform::make_system_port();
    port->set_device(board.device);
    port->open();
    port->configure_line();
    EXPECT_EQ(port->low_latency().state, platform::Low_latency::refused);  // a pseudo-terminal has no such mode
    EXPECT_EQ(port->low_latency().reason, QString::fromLocal8Bit(std::strerror(ENOTTY)));
    for (const QByteArray &command : {QByteArray("="), QByteArray("9")}) {
        const double sent = platform::now_seconds();
        port->write(command);
        EXPECT_TRUE(port->wait_for_bytes(command == "=" ? 15 : 2, 10000));
        EXPECT_GE(platform::now_seconds() - sent, 0.29) << command.toStdString();
        port->read_all();
    }
}

TEST(Trace, OptionMenuTracesTheDialogWhichTellsOfASlowAdapter)
{
    test::fresh_program();
    QTemporaryDir dir;
    test::Sim_process board;
    test::map_com_port(1, board.device);
    test::File_script files;
    const QString bad = dir.path() + "/not-a-folder/trace.log", good = dir.path() + "/trace.log";
    QFile(dir.path() + "/not-a-folder").open(QIODevice::WriteOnly);
    files.answers = {bad, good};
    auto &w = state::frmMain();
    QAction *entry = w.findChild<QAction *>("mnuTrace");
    EXPECT_EQ(entry->text(), "通信ログを保存...");
    EXPECT_FALSE(comm::tracing());
    entry->trigger();  // reported on panel 3, nothing else changes
    EXPECT_TRUE(w.sbPanel[3]->text().startsWith("通信ログを保存できません: " + bad + " ("));
    EXPECT_FALSE(comm::tracing() || entry->isChecked());
    entry->trigger();
    EXPECT_TRUE(comm::tracing() && entry->isChecked());

    const auto connect_board = [&] {
        QString device_line;
        test::start_program([&](comm::FrmCom &d) {
            d.Combo_com->setCurrentIndex(1);
            d.Command_ok->click();
            device_line = d.Label_device_path->text();
            d.Combo_com->setCurrentIndex(2);  // the hint is of the opened port only
            device_line += '|' + d.Label_device_path->text().section('\n', 1);
        });
        EXPECT_TRUE(platform::port().is_open());
        return device_line;
    };
    const struct {
        const char *timer;
        bool slow;
    } cases[] = {{"16", true}, {"2", false}, {nullptr, false}};
    for (const auto &c : cases) {
        qputenv("QORVIL_SYSFS_ROOT", fake_sysfs(dir, board.device, c.timer).toUtf8());
        EXPECT_EQ(connect_board(), board.device + (c.slow ? "\n" + slow_hint : QString()) + '|') << c.timer;
        const QStringList lines = trace_lines(good);
        EXPECT_TRUE(lines.last().startsWith("identify sent 3D got ")) << c.timer;
        EXPECT_EQ(lines[lines.size() - 2].contains("adapter latency timer 16 ms"), c.slow) << c.timer;
    }
    qunsetenv("QORVIL_SYSFS_ROOT");

    entry->trigger();  // chosen again: stops, and nothing more is written
    EXPECT_FALSE(comm::tracing() || entry->isChecked());
    // Without the menu: `qorvil --trace FILE`.
    EXPECT_EQ(shell::trace_argument({"qorvil", "--lang", "en", "--trace", good}), good);
    connect_board();
    EXPECT_EQ(trace_lines(good).last(), "trace stopped");
    test::fresh_program();
}

} // namespace
