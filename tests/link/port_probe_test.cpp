// Finding the board on eight ports at once: real serial ports on pseudo-terminals, each
// served by a simulated board of its own, one port mapped to a device that is not there.

#include "core_kit.h"

#include "link/port_probe.h"
#include "link/trace.h"
#include "platform/com_ports.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using comm::Probe_result;

TEST(PortProbe, FindsTheBoardAmongEightPortsReportsTheOthersAndClosesThemAll)
{
    test::clear_settings();
    const QStringList silent{"--silent-after", "0"}, pending{"--firmware", "V1.02"};
    const struct {
        QStringList board;  // empty: the port names a device that is not there
        Probe_result::Outcome outcome;
        QString detail;  // the version, or the reason
        const char *log;  // what the board was asked
    } ports[] = {
        {silent, Probe_result::silent, "", "==="},
        {{"--wrong-id"}, Probe_result::wrong_answer, "", "="},
        {pending, Probe_result::answered, "QORVIL V1.02", "4[3D3D]="},  // left waiting for a payload
        {{}, Probe_result::cannot_open, "*", ""},  // the system's reason
        {silent, Probe_result::silent, "", "==="},
        {{"--firmware", "V2.10"}, Probe_result::answered, "QORVIL V2.10", "="},
        {silent, Probe_result::silent, "", "==="},
        {silent, Probe_result::silent, "", "==="},
    };
    std::vector<std::unique_ptr<test::Sim_process>> boards;
    for (int n = 1; n <= 8; ++n) {
        if (ports[n - 1].board.isEmpty())
            continue;
        boards.push_back(std::make_unique<test::Sim_process>(ports[n - 1].board));
        ASSERT_TRUE(boards.back()->started());
        test::map_com_port(n, boards.back()->device);
        QFile line(boards.back()->device);  // a host went away right after "4"
        ASSERT_TRUE(ports[n - 1].board != pending || (line.open(QIODevice::WriteOnly) && line.write("4") == 1 && line.flush()));
    }
    test::map_other_com_ports_away();

    const QString trace = boards.front()->folder + "/trace.txt";
    session::Session s;
    ASSERT_EQ(comm::start_trace(s, trace), "");
    const std::vector<Probe_result> results = comm::probe_ports(comm::com_targets(), comm::tracing(s));
    comm::stop_trace(s);

    ASSERT_EQ(results.size(), 9u);
    for (int n = 1; n <= 8; ++n) {
        const Probe_result &r = results[size_t(n - 1)];
        EXPECT_EQ(r.name, QString("COM%1").arg(n));
        EXPECT_EQ(r.outcome, ports[n - 1].outcome) << n;
        if (ports[n - 1].detail == "*")
            EXPECT_FALSE(r.reason.isEmpty()) << n;
        else
            EXPECT_EQ(r.outcome == Probe_result::answered ? r.version : r.reason, ports[n - 1].detail) << n;
    }
    // The trace holds one line for each port tried.
    const QString lines = QString::fromUtf8(test::read_file(trace));
    EXPECT_EQ(lines.count(" sent 3D 3D 3D got - time-out after 2600 ms\n"), 4);
    EXPECT_EQ(lines.count(" sent 3D got 53 58 20 71 6F 72 76 69 6C 20 56 31 2E 30 32 wrong identification\n"), 1);
    EXPECT_EQ(lines.count(" sent 3D got 53 58 20 51 4F 52 56 49 4C 20 56 32 2E 31 30 ok\n"), 1);
    EXPECT_EQ(lines.count(" sent 3D 3D 3D got 53 58 20 51 4F 52 56 49 4C 20 56 31 2E 30 32 ok\n"), 1);
    EXPECT_EQ(lines.count(" sent - got - cannot open: "), 2);  // COM4 and COM9
    for (size_t i = 0, n = 0; n < 8; ++n) {
        if (ports[n].board.isEmpty())
            continue;
        const auto &board = boards[i++];
        EXPECT_FALSE(test::open_here(board->device));
        // asked for the identification only
        EXPECT_EQ(board->log(int(QString(ports[n].log).remove(QRegularExpression("\\[.*?\\]")).size())), ports[n].log) << n;
    }
}

// COM1, COM2, ... take the USB adapters first, then the others, numbers in numeric order.
TEST(PortProbe, PortNumbersTakeDevicesInOrder)
{
    EXPECT_EQ(platform::order_devices({"/dev/ttyS10", "/dev/ttyS2", "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/ttyUSB2",
                                       "/dev/ttyS2"}),
              QStringList({"/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS2", "/dev/ttyS10"}));
}

} // namespace
