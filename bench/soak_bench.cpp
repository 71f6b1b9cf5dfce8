// A production shift in a few minutes: one watch-mode run programs and verifies 1,000 new
// versions of its file on one simulated board, then a 4-board gang in watch mode does the same
// 250 times (instant timing, every reply at once; a 32-word image, as the pauses the board
// needs between the bytes of a command make a word take over 6 ms even then). After cycle 100 and after the last, the
// resident memory, open file descriptors and threads of the qorvil process are read from
// /proc. The targets: memory and descriptors differ by less than 5 %, the threads not at all,
// and once the run is stopped (Ctrl-C) no process of its own is left. About 15 minutes.
//
//   build/bin/bench-soak [CYCLES]        (1000 by default; the gang does a quarter)

#include "image/hex_records.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

struct Sample {
    long resident_kb = 0;
    int descriptors = 0, threads = 0;
};

Sample sample_of(qint64 pid)
{
    Sample s;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                s.resident_kb = line.mid(6).trimmed().split(' ').first().toLong();
            if (line.startsWith("Threads:"))
                s.threads = line.mid(8).trimmed().toInt();
        }
    s.descriptors = int(QDir(QStringLiteral("/proc/%1/fd").arg(pid)).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size());
    return s;
}

// Processes whose parent is `pid`.
int children_of(qint64 pid)
{
    int n = 0;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (entry.toLongLong() > 0 && stat.open(QIODevice::ReadOnly)) {
            const QList<QByteArray> fields = stat.readAll().split(')').last().trimmed().split(' ');
            n += fields.value(1).toLongLong() == pid;
        }
    }
    return n;
}

// A 32-word image whose words depend on `version`, so that every version programs anew.
QByteArray image_hex(int version)
{
    std::vector<unsigned char> bytes;
    for (int i = 0; i < 32; ++i) {
        const int w = (i * 11 + version * 7 + 3) & 0x7FF;
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

// Replaced as an assembler or a build script would: written beside and renamed into place.
void write_version(const QString &path, int version)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(image_hex(version)) < 0 || !f.commit())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

int rows_of(const QString &log)
{
    QFile f(log);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = f.readAll();
    return int(text.count('\n')) - 1;  // the header
}

bool wait_for(const std::function<bool()> &condition, int limit_ms)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > limit_ms)
            return false;
        QThread::msleep(2);
    }
    return true;
}

double change(long before, long after) { return before ? 100.0 * double(after - before) / double(before) : 0; }

// One watch-mode run on `devices` through `cycles` versions; prints its line, true when every
// target is met.
bool soak(const QString &home, const QStringList &devices, int cycles)
{
    const QString hex = home + "/image.hex", log = home + "/log.csv";
    QFile::remove(log);
    write_version(hex, 0);
    QProcess qorvil;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", home + "/config");
    qorvil.setProcessEnvironment(env);
    qorvil.setStandardOutputFile(QProcess::nullDevice());
    qorvil.setStandardErrorFile(QProcess::nullDevice());
    qorvil.start(QORVIL_BINARY, {"--batch", devices.size() == 1 ? "--port" : "--ports", devices.join(','), "--quiet",
                                 "--watch", "--program", hex, "--log-csv", log});
    const int boards = int(devices.size());
    QElapsedTimer t;
    t.start();
    Sample at_100, at_end;
    bool ok = true;
    for (int cycle = 1; cycle <= cycles && ok; ++cycle) {
        ok = wait_for([&] { return rows_of(log) >= cycle * boards; }, 60000);
        if (cycle == std::min(100, cycles))
            at_100 = sample_of(qorvil.processId());
        if (cycle == cycles)
            at_end = sample_of(qorvil.processId());
        else
            write_version(hex, cycle);
    }
    const double seconds = double(t.elapsed()) / 1000.0;
    const int children = children_of(qorvil.processId());
    ::kill(pid_t(qorvil.processId()), SIGINT);
    const bool ended = qorvil.waitForFinished(30000) && qorvil.exitStatus() == QProcess::NormalExit;
    QFile rows(log);
    rows.open(QIODevice::ReadOnly);
    const QByteArray text = rows.readAll();
    const int failed = rows_of(log) - int(text.count(",ok,"));  // every row's result
    const double memory = change(at_100.resident_kb, at_end.resident_kb);
    const double descriptors = change(at_100.descriptors, at_end.descriptors);
    std::printf("%-7d %7d %8.1fs %9.1f→%.1f MB %+6.1f%% %6d→%d %+6.1f%% %5d→%d %9d %6s %7d\n", boards, cycles, seconds,
                double(at_100.resident_kb) / 1024.0, double(at_end.resident_kb) / 1024.0, memory, at_100.descriptors,
                at_end.descriptors, descriptors, at_100.threads, at_end.threads, children, ok && ended ? "yes" : "NO", failed);
    return ok && ended && !failed && std::abs(memory) < 5 && std::abs(descriptors) < 5 && at_100.threads == at_end.threads
           && children == 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int cycles = argc > 1 ? std::max(100, atoi(argv[1])) : 1000;
    QTemporaryDir home;
    std::vector<std::unique_ptr<QProcess>> boards;
    QStringList devices;
    for (int n = 0; n < 4; ++n) {
        boards.push_back(std::make_unique<QProcess>());
        boards.back()->start(QORVIL_SIM_BINARY, {"--firmware", "V1.02", "--rev", "A", "--exit-with-parent"});
        if (!boards.back()->waitForReadyRead(10000)) {
            std::fprintf(stderr, "the simulated board did not start\n");
            return 1;
        }
        devices << QString::fromLocal8Bit(boards.back()->readLine()).trimmed();
    }
    std::printf("Watch mode, program and verify of 32 words per new version of the file, simulated boards\n"
                "with instant replies\n\n");
    std::printf("%-7s %7s %9s %17s %7s %10s %7s %8s %9s %6s %7s\n", "boards", "cycles", "elapsed", "resident", "",
                "files", "", "threads", "children", "ended", "not ok");
    const bool one = soak(home.path(), devices.mid(0, 1), cycles);
    const bool gang = soak(home.path(), devices, std::max(100, cycles / 4));
    std::printf("\nresident, files (open descriptors), threads: after cycle 100 → after the last cycle (target:\n"
                "less than 5 %% apart, threads equal); children: processes of qorvil's own at the end (target:\n"
                "none); ended: every cycle came and Ctrl-C ended the run in order; not ok: log rows whose result\n"
                "is not ok (target: none)\n%s\n",
                one && gang ? "every target met" : "A TARGET WAS MISSED");
    for (const auto &b : boards) {
        b->terminate();
        b->waitForFinished(10000);
    }
    return one && gang ? 0 : 1;
}
