// Gang programming: Program (with its verify pass) of the same 512-word image on 1, 8 and 32
// simulated boards with real line timing, each board a qorvil-board-sim on a pseudo-terminal
// of its own. One board runs as a plain batch run, first and last; 8 and 32 run as a gang,
// every board on a thread of its own in the one qorvil process. The targets: 32 boards take
// at most 1.10 times as long as one, and the whole run stays within 150 MB of resident memory.
// Also shown: the CPU time of qorvil and of the simulated boards. It takes about a minute.
//
//   build/bin/bench-gang [BOARDS]        (32 by default)

#include "image/hex_records.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const int words = 512;

double clock_ticks_seconds(long long ticks) { return double(ticks) / double(sysconf(_SC_CLK_TCK)); }

// Own CPU seconds of a running process, from /proc/PID/stat (fields 14 and 15).
double cpu_of(pid_t pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = f.readAll().split(')').last().trimmed().split(' ');
    // After "pid (name)": state is field 3, so utime (14) is at index 11.
    return clock_ticks_seconds(fields.value(11).toLongLong() + fields.value(12).toLongLong());
}

double seconds_of(const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; }

struct Outcome {
    double seconds = 0, cpu = 0, resident_mb = 0;
    int status = -1;
};

// Runs qorvil --batch with `args`; its elapsed time, CPU time and peak resident memory.
Outcome run_qorvil(const QStringList &args, const QString &home)
{
    std::vector<std::string> storage{QORVIL_BINARY, "--batch"};
    for (const QString &a : args)
        storage.push_back(a.toStdString());
    std::vector<char *> argv;
    for (std::string &s : storage)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    const std::string config = (home + "/config").toStdString();
    QElapsedTimer t;
    t.start();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    Outcome o;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    o.seconds = double(t.nsecsElapsed()) / 1e9;
    o.cpu = seconds_of(usage.ru_utime) + seconds_of(usage.ru_stime);
    o.resident_mb = double(usage.ru_maxrss) / 1024.0;
    o.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return o;
}

QByteArray image_hex()
{
    std::vector<unsigned char> bytes;
    for (int i = 0; i < words; ++i) {
        const int w = (i * 11 + 3) & 0x7FF;
        bytes.push_back((unsigned char)(w & 0xFF));
        bytes.push_back((unsigned char)(w >> 8));
    }
    QByteArray out;
    for (size_t at = 0; at < bytes.size(); at += 16)
        out += QByteArray::fromStdString(image::hex::record_text(int(at), 0, bytes.data() + at, 16) + "\n");
    const unsigned char config[] = {0xF7, 0x0F, 0xBF, 0x0F};
    out += QByteArray::fromStdString(image::hex::record_text(0x2020, 0, config, 4) + "\n");
    return out + QByteArray::fromStdString(image::hex::record_text(0, 1, nullptr, 0) + "\n");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int most = argc > 1 ? std::max(2, atoi(argv[1])) : 32;
    QTemporaryDir home;
    QFile hex(home.path() + "/image.hex");
    hex.open(QIODevice::WriteOnly);
    hex.write(image_hex());
    hex.close();

    std::vector<std::unique_ptr<QProcess>> boards;
    QStringList devices;
    for (int n = 0; n < most; ++n) {
        boards.push_back(std::make_unique<QProcess>());
        boards.back()->start(QORVIL_SIM_BINARY, {"--timing", "real", "--firmware", "V1.02", "--rev", "A",
                                                 "--exit-with-parent"});
        if (!boards.back()->waitForReadyRead(10000)) {
            std::fprintf(stderr, "the simulated board did not start\n");
            return 1;
        }
        devices << QString::fromLocal8Bit(boards.back()->readLine()).trimmed();
    }

    std::printf("Program and verify of %d words (program-wait 1, firmware V1.02), simulated boards at "
                "19200 baud, %ld cores\n\n",
                words, sysconf(_SC_NPROCESSORS_ONLN));
    // One board first and last: the baseline is the faster of the two.
    std::vector<std::pair<int, Outcome>> runs;
    std::vector<double> sim_cpu;
    for (const int count : {1, std::min(8, most), most, 1}) {
        double sims_before = 0, sims_after = 0;
        for (const auto &b : boards)
            sims_before += cpu_of(pid_t(b->processId()));
        runs.emplace_back(count, run_qorvil({count == 1 ? "--port" : "--ports", devices.mid(0, count).join(','), "--wait",
                                             "1", "--quiet", "--program", home.path() + "/image.hex"},
                                            home.path()));
        for (const auto &b : boards)
            sims_after += cpu_of(pid_t(b->processId()));
        sim_cpu.push_back(sims_after - sims_before);
    }
    const double one = std::min(runs.front().second.seconds, runs.back().second.seconds);
    std::printf("%-7s %9s %9s %12s %12s %12s %7s\n", "boards", "elapsed", "ratio", "qorvil CPU", "resident", "sim CPU",
                "status");
    for (size_t i = 0; i < runs.size(); ++i) {
        const auto &[count, o] = runs[i];
        std::printf("%-7d %8.2fs %9.3f %11.2fs %9.1f MB %11.2fs %7d\n", count, o.seconds, o.seconds / one, o.cpu,
                    o.resident_mb, sim_cpu[i], o.status);
    }
    std::printf("\nratio: elapsed / elapsed of one board, the faster of its two runs (target for %d boards: at\n"
                "most 1.10); resident: the peak resident memory of the whole qorvil run (target: at most\n"
                "150 MB); status: the exit status (0: every board programmed and verified)\n",
                most);
    for (const auto &b : boards) {
        b->terminate();
        b->waitForFinished(10000);
    }
    return 0;
}
