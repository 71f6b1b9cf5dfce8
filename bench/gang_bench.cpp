// Gang programming: Program (with its verify pass) of the same 2048-word image on 1, 4 and
// 8 simulated boards with real line timing, each board a qorvil-board-sim on a
// pseudo-terminal of its own. One board runs as a plain batch run, first and last; 4 and 8
// run under the gang supervisor, one batch process per board. The target: 8 boards take at
// most 1.15 times as long as one. Also shown: the CPU time of the supervisor itself, of the
// board processes it started, and of the simulated boards. It takes about 3 minutes.
//
//   build/bin/bench-gang

#include "image/hex_records.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const int words = 2048;

double clock_ticks_seconds(long long ticks) { return double(ticks) / double(sysconf(_SC_CLK_TCK)); }

// Own and children's CPU seconds of a process from /proc/PID/stat (fields 14 to 17).
std::pair<double, double> cpu_of(pid_t pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return {-1, -1};
    const QList<QByteArray> fields = f.readAll().split(')').last().trimmed().split(' ');
    // After "pid (name)": state is field 3, so utime (14) is at index 11.
    const auto at = [&](int field) { return fields.value(field - 3).toLongLong(); };
    return {clock_ticks_seconds(at(14) + at(15)), clock_ticks_seconds(at(16) + at(17))};
}

struct Outcome {
    double seconds = 0, supervisor_cpu = 0, boards_cpu = 0;
    int status = -1;
};

// Runs qorvil with `args` and reads its CPU times while it is a zombie, before reaping it.
Outcome run_qorvil(const QStringList &args, const QString &home)
{
    std::vector<std::string> storage{QORVIL_BINARY, "--batch"};
    for (const QString &a : args)
        storage.push_back(a.toStdString());
    std::vector<char *> argv;
    for (std::string &s : storage)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    const std::string config = (home + "/config").toStdString(), work = (home + "/work").toStdString();
    QElapsedTimer t;
    t.start();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        setenv("QORVIL_WORK_DIR", work.c_str(), 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    Outcome o;
    siginfo_t info{};
    waitid(P_PID, id_t(pid), &info, WEXITED | WNOWAIT);
    o.seconds = double(t.nsecsElapsed()) / 1e9;
    std::tie(o.supervisor_cpu, o.boards_cpu) = cpu_of(pid);
    int status = 0;
    waitpid(pid, &status, 0);
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
    QTemporaryDir home;
    QFile hex(home.path() + "/image.hex");
    hex.open(QIODevice::WriteOnly);
    hex.write(image_hex());
    hex.close();

    std::vector<std::unique_ptr<QProcess>> boards;
    QSettings conf(home.path() + "/config/Qorvil/Qorvil.conf", QSettings::IniFormat);
    for (int n = 1; n <= 9; ++n) {
        QString device = "/dev/none";
        if (n <= 8) {
            boards.push_back(std::make_unique<QProcess>());
            boards.back()->start(QORVIL_SIM_BINARY, {"--timing", "real", "--firmware", "V1.02", "--rev", "A",
                                                     "--exit-with-parent"});
            if (!boards.back()->waitForReadyRead(10000)) {
                std::fprintf(stderr, "the simulated board did not start\n");
                return 1;
            }
            device = QString::fromLocal8Bit(boards.back()->readLine()).trimmed();
        }
        conf.setValue(QString("Ports/COM%1").arg(n), device);
    }
    conf.sync();

    std::printf("Program and verify of %d words (program-wait 1, firmware V1.02), simulated boards at "
                "19200 baud, %ld cores\n\n",
                words, sysconf(_SC_NPROCESSORS_ONLN));
    // One board first and last: the baseline is the faster of the two.
    std::vector<std::pair<int, Outcome>> runs;
    std::vector<double> sim_cpu;
    for (const int count : {1, 4, 8, 1}) {
        QStringList ports;
        for (int n = 1; n <= count; ++n)
            ports << QString("COM%1").arg(n);
        double sims_before = 0, sims_after = 0;
        for (const auto &b : boards)
            sims_before += cpu_of(pid_t(b->processId())).first;
        runs.emplace_back(count, run_qorvil({count == 1 ? "--port" : "--ports", ports.join(','), "--wait", "1", "--quiet",
                                             "--program", home.path() + "/image.hex"},
                                            home.path()));
        for (const auto &b : boards)
            sims_after += cpu_of(pid_t(b->processId())).first;
        sim_cpu.push_back(sims_after - sims_before);
    }
    const double one = std::min(runs.front().second.seconds, runs.back().second.seconds);
    std::printf("%-7s %9s %9s %16s %16s %13s %7s\n", "boards", "elapsed", "ratio", "supervisor CPU", "board procs CPU",
                "sim CPU", "status");
    for (size_t i = 0; i < runs.size(); ++i) {
        const auto &[count, o] = runs[i];
        const QString supervisor = count == 1 ? QString("(none)") : QString::number(o.supervisor_cpu, 'f', 2) + " s";
        std::printf("%-7d %8.2fs %9.3f %16s %15.2fs %12.2fs %7d\n", count, o.seconds, o.seconds / one,
                    qPrintable(supervisor), count == 1 ? o.supervisor_cpu : o.boards_cpu, sim_cpu[i], o.status);
    }
    std::printf("\nratio: elapsed / elapsed of one board, the faster of its two runs (target for 8 boards: at\n"
                "most 1.15); board procs CPU: the batch processes doing the work (one board: the plain\n"
                "batch run); status: the exit status (0: every board programmed and verified)\n");
    for (const auto &b : boards) {
        b->terminate();
        b->waitForFinished(10000);
    }
    return 0;
}
