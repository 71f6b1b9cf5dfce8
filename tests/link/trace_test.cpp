// The exchange trace and the adapter's latency timer, against the simulated board on a
// pseudo-terminal through the real serial port, batch mode as a separate program.

#include "core_kit.h"

#include "link/trace.h"
#include "platform/clock.h"
#include "platform/serial_port.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

using Trace = test::Batch_home;

TEST_F(Trace, BatchProgramTracesEveryExchangeUpToTheSilentCommand)
{
    test::Sim_process board({"--rev", "old", "--silent-cmd", "5"});
    ASSERT_TRUE(board.started());
    const QString hex = path("one.hex");  // word 0 = 0x123
    ASSERT_TRUE(test::write_file(hex, ":020000002301DA\n:00000001FF\n"));
    const QString trace = path("trace.log");
    qputenv("QORVIL_SYSFS_ROOT", test::fake_sysfs(home, board.device, "16").toUtf8());
    const Run run = qorvil({"--port", board.device, "--pins", "18", "--rev", "old", "--wait", "1", "--trace", trace,
                            "--fusex", "0FFF", "--program", hex});
    qunsetenv("QORVIL_SYSFS_ROOT");
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
    QStringList lines = test::trace_lines(trace, 2000);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.takeFirst().startsWith("trace started "));
    EXPECT_EQ(lines.join('\n').toStdString(), expected.join('\n').toStdString());

    // A trace file that cannot be written is found before the board is touched.
    const QString bad = hex + "/trace.log";
    const Run identify = qorvil({"--port", board.device, "--trace", bad, "--identify"});
    EXPECT_TRUE(identify.code == 3 && identify.out.isEmpty()) << identify.err.toStdString();
    EXPECT_TRUE(identify.err.contains("qorvil: cannot write " + bad + ": the folder of ")) << identify.err.toStdString();
}

TEST_F(Trace, OpenAsksForLowLatencyAndGoesOnWhenRefused)
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

} // namespace
