// The exchange trace and the adapter's latency timer, against the simulated board on a
// pseudo-terminal through the real serial port: batch mode as a separate program, the
// window in this one.

#include "dialog_driver.h"
#include "sim_process.h"
#include "test_support.h"

#include "link/frm_com.h"
#include "link/trace.h"
#include "platform/serial_port.h"
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

const QString slow_hint = "アダプタの遅延タイマーが16 msです（1 msにする方法はヘルプを参照）";

// A sysfs tree in which `device` (a pseudo-terminal) has the latency timer `ms`, or none.
QString fake_sysfs(const QTemporaryDir &dir, const QString &device, const char *ms)
{
    const QString name = QFileInfo(QFileInfo(device).canonicalFilePath()).fileName();
    const QString folder = dir.path() + "/sys/class/tty/" + name + "/device";
    QDir().mkpath(folder);
    QFile::remove(folder + "/latency_timer");
    QFile f(folder + "/latency_timer");
    if (ms && f.open(QIODevice::WriteOnly))
        f.write(QByteArray(ms) + '\n');
    return dir.path() + "/sys";
}

// The trace's lines without their time field; a time-out's length must reach `min_ms`
// and is then written "N".
QStringList trace_lines(const QString &path, int min_ms = 0)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    static const QRegularExpression time_field("^\\d+ "), time_out("after (\\d+) ms$");
    for (QString line : QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)) {
        EXPECT_TRUE(time_field.match(line).hasMatch()) << line.toStdString();
        line.remove(time_field);
        if (const auto m = time_out.match(line); m.hasMatch()) {
            EXPECT_GE(m.captured(1).toInt(), min_ms) << line.toStdString();
            line.replace(m.capturedStart(1), m.capturedLength(1), "N");
        }
        lines << line;
    }
    return lines;
}

QString pty_refusal() { return QString::fromLocal8Bit(std::strerror(ENOTTY)); }

TEST(Trace, BatchProgramTracesEveryExchangeUpToTheSilentCommand)
{
    QTemporaryDir dir;
    test::Sim_process board({"--rev", "old", "--silent-cmd", "5"});
    ASSERT_TRUE(board.started());
    QFile hex(dir.path() + "/one.hex");  // word 0 = 0x123
    ASSERT_TRUE(hex.open(QIODevice::WriteOnly));
    hex.write(":020000002301DA\n:00000001FF\n");
    hex.close();

    QProcess qorvil;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", dir.path() + "/config");
    env.insert("QORVIL_WORK_DIR", dir.path() + "/work");
    env.insert("QORVIL_SYSFS_ROOT", fake_sysfs(dir, board.device, "16"));
    qorvil.setProcessEnvironment(env);
    const QString trace = dir.path() + "/trace.log";
    qorvil.start(QCoreApplication::applicationDirPath() + "/qorvil",
                 {"--batch", "--port", board.device, "--pins", "18", "--rev", "old", "--wait", "1", "--trace", trace,
                  "--fusex", "0FFF", "--program", hex.fileName()});
    ASSERT_TRUE(qorvil.waitForFinished(60000));
    EXPECT_EQ(qorvil.exitCode(), 2) << qorvil.readAllStandardError().toStdString();

    const QString id = "53 58 20 51 4F 52 56 49 4C 20 56 31 2E 30 32";  // "SX QORVIL V1.02"
    const QStringList expected = {
        "open " + board.device + " low-latency refused: " + pty_refusal(),
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
}

TEST(Trace, BatchReportsATraceFileThatCannotBeOpenedAndGoesOn)
{
    QTemporaryDir dir;
    test::Sim_process board;
    QFile blocker(dir.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    QProcess qorvil;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", dir.path() + "/config");
    env.insert("QORVIL_WORK_DIR", dir.path() + "/work");
    qorvil.setProcessEnvironment(env);
    qorvil.start(QCoreApplication::applicationDirPath() + "/qorvil",
                 {"--batch", "--port", board.device, "--trace", dir.path() + "/file/trace.log", "--identify"});
    ASSERT_TRUE(qorvil.waitForFinished(60000));
    EXPECT_EQ(qorvil.exitCode(), 0);
    EXPECT_EQ(qorvil.readAllStandardOutput(), "QORVIL V1.02\n");
    EXPECT_TRUE(qorvil.readAllStandardError().contains(
        "qorvil: cannot write the trace to " + (dir.path() + "/file/trace.log").toUtf8() + ": "));
}

class Window_trace : public ::testing::Test {
protected:
    test::Fresh_program fresh;
    QTemporaryDir dir;
    test::Sim_process board;
    void SetUp() override { test::map_com_port(1, board.device); }
    void TearDown() override
    {
        comm::stop_trace();
        qunsetenv("QORVIL_SYSFS_ROOT");
    }

    // Connects through the connection dialog; returns the dialog's device line.
    QString connect_board()
    {
        QString device_line;
        test::start_program([&](comm::FrmCom &d) {
            d.Combo_com->setCurrentIndex(1);
            d.Command_ok->click();
            device_line = d.Label_device_path->text();
        });
        EXPECT_TRUE(platform::port().is_open());
        return device_line;
    }
};

TEST_F(Window_trace, AdapterTimerAboveTwoMsIsShownInTheDialogAndTraced)
{
    const struct {
        const char *timer;
        bool slow;
    } cases[] = {{"16", true}, {"1", false}, {nullptr, false}};
    for (const auto &c : cases) {
        test::fresh_program();
        test::map_com_port(1, board.device);
        qputenv("QORVIL_SYSFS_ROOT", fake_sysfs(dir, board.device, c.timer).toUtf8());
        const QString trace = dir.path() + "/trace-" + (c.timer ? c.timer : "none") + ".log";
        ASSERT_EQ(comm::start_trace(trace), "");
        const QString device_line = connect_board();
        comm::stop_trace();
        EXPECT_EQ(device_line, board.device + (c.slow ? "\n" + slow_hint : QString())) << c.timer;
        EXPECT_EQ(trace_lines(trace).filter("adapter latency timer").size(), c.slow ? 1 : 0) << c.timer;
        EXPECT_EQ(trace_lines(trace).filter("identify sent 3D").size(), 1) << c.timer;
    }
}

TEST_F(Window_trace, OptionMenuEntryStartsAndStopsTheTrace)
{
    test::File_script files;
    QFile blocker(dir.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    const QString bad = dir.path() + "/file/trace.log", good = dir.path() + "/trace.log";
    files.answers = {bad, good};
    auto &w = state::frmMain();
    QAction *entry = w.mnuOptionMain->actions().last();
    EXPECT_EQ(entry->text(), "通信ログを保存...");
    EXPECT_FALSE(comm::tracing());

    entry->trigger();  // a file that cannot be opened: reported, nothing else changes
    EXPECT_TRUE(w.sbPanel[3]->text().startsWith("通信ログを保存できません: " + bad + " ("));
    EXPECT_FALSE(comm::tracing());
    EXPECT_FALSE(entry->isChecked());

    entry->trigger();
    EXPECT_TRUE(comm::tracing());
    EXPECT_TRUE(entry->isChecked());
    entry->trigger();  // chosen again: stops
    EXPECT_FALSE(comm::tracing());
    EXPECT_FALSE(entry->isChecked());
    EXPECT_EQ(files.asked.size(), 2u);

    connect_board();  // after the stop nothing more is written
    const QStringList lines = trace_lines(good);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[1], "trace stopped");
}

} // namespace
