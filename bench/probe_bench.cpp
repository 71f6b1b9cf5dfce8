// Finding the board on many ports at once: the elapsed time of the probe with 8 and with 32
// ports, each a simulated board on a pseudo-terminal of its own (real line timing), most
// of them silent so that the probe waits its full limit. Finding the board costs one
// identification wait (2 s) however many ports there are; the target is 2.5 s at most,
// and no growth from 8 to 32 ports. "opening" is the median time to open every port and
// send the requests, before the wait begins.
//
//   build/bin/bench-probe

#include "link/port_probe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Board {
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    QString device;
};

// Starts a simulated board; its device path is the first line it prints.
Board start_board(const QStringList &options)
{
    Board b;
    b.process->start(QStringLiteral(QORVIL_SIM_BINARY), options + QStringList{"--timing", "real", "--exit-with-parent"});
    while (b.process->waitForReadyRead(10000) && !b.process->canReadLine()) {
    }
    b.device = QString::fromLocal8Bit(b.process->readLine()).trimmed();
    return b;
}

struct Case {
    const char *name;
    int answering, silent, wrong, missing;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Case cases[] = {
        {"8 ports: 1 board, 5 silent, 1 wrong id, 1 missing", 1, 5, 1, 1},
        {"32 ports: 1 board, 29 silent, 1 wrong id, 1 missing", 1, 29, 1, 1},
        {"8 ports: 8 boards (ends when all have answered)", 8, 0, 0, 0},
        {"32 ports: 32 boards (ends when all have answered)", 32, 0, 0, 0},
    };
    const int runs = 5;
    std::printf("%-52s %8s %8s %8s %9s  %s\n", "case", "min ms", "median", "max ms", "opening", "found");
    double worst = 0, silent_medians[2] = {0, 0};
    int silent_case = 0;
    for (const Case &c : cases) {
        std::vector<Board> boards;
        std::vector<comm::Probe_target> targets;
        auto add = [&](int count, const QStringList &options) {
            for (int i = 0; i < count; ++i) {
                boards.push_back(start_board(options));
                targets.push_back({QStringLiteral("P%1").arg(targets.size() + 1), boards.back().device});
            }
        };
        add(c.answering, {});
        add(c.silent, {"--silent-after", "0"});
        add(c.wrong, {"--wrong-id"});
        for (int i = 0; i < c.missing; ++i)
            targets.push_back({QStringLiteral("P%1").arg(targets.size() + 1), QStringLiteral("/dev/qorvil-no-such-port")});
        std::rotate(targets.begin(), targets.begin() + long(targets.size() / 2), targets.end());

        std::vector<double> ms, sending_ms;
        int found = 0;
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer t;
            QEventLoop loop;
            std::vector<comm::Probe_result> results;
            comm::Port_probe probe([&](const std::vector<comm::Probe_result> &r) {
                results = r;
                loop.quit();
            });
            t.start();
            probe.start(targets);
            sending_ms.push_back(double(t.nsecsElapsed()) / 1e6);
            loop.exec();
            ms.push_back(double(t.nsecsElapsed()) / 1e6);
            found = int(std::count_if(results.begin(), results.end(),
                                      [](const comm::Probe_result &r) { return r.outcome == comm::Probe_result::answered; }));
        }
        std::sort(ms.begin(), ms.end());
        std::sort(sending_ms.begin(), sending_ms.end());
        std::printf("%-52s %8.1f %8.1f %8.1f %9.1f  %d of %d\n", c.name, ms.front(), ms[ms.size() / 2], ms.back(),
                    sending_ms[sending_ms.size() / 2], found, c.answering);
        worst = std::max(worst, ms.back());
        if (c.silent > 0 && silent_case < 2)
            silent_medians[silent_case++] = ms[ms.size() / 2];
        for (Board &b : boards) {
            b.process->terminate();
            b.process->waitForFinished(10000);
        }
    }
    const double growth = silent_medians[1] - silent_medians[0];
    std::printf("\nworst %.1f ms (target at most 2500 ms); 32 ports against 8 ports with silent ones: %+.1f ms\n", worst,
                growth);
    return worst <= 2500 ? 0 : 1;
}
