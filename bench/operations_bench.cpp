// Read, Verify and Program of 2048 words against the simulated board with real line
// timing: Qorvil against the wire-time floor and against a minimal reference host that
// sends the very same command sequence with plain blocking reads. Then Read once more
// against boards whose replies are held back as by a USB adapter's latency timer: 16 ms
// (an FTDI adapter as it comes) and 1 ms (the same in low-latency mode), beside 0. And how
// close the time left that the busy window shows comes to the truth.
//
//   build/bin/bench-operations

#include "reference_host.h"

#include "fuse/option_tables.h"
#include "fuse/pgm_wait.h"
#include "fuse/tabs.h"
#include "image/device_image.h"
#include "link/identification.h"
#include "operations/operation_frame.h"
#include "operations/operations.h"
#include "platform/clock.h"
#include "session/session.h"
#include "sim/state_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <sys/resource.h>

namespace {

double cpu_seconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

std::vector<std::string> read_lines(const QString &path)
{
    std::vector<std::string> out;
    QFile f(path);
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray &line : f.readAll().split('\n'))
            if (!line.isEmpty())
                out.push_back(line.toStdString());
    return out;
}

struct Measure {
    const char *name = "";
    double floor = 0, reference = 0, qorvil = 0, qorvil_cpu = 0;
    std::vector<Logged_command> commands;
};

template <typename F> void run_measured(Measure &m, const QString &log, F operation)
{
    const size_t before = read_lines(log).size();
    QElapsedTimer t;
    t.start();
    const double cpu = cpu_seconds();
    operation();
    m.qorvil = double(t.nsecsElapsed()) / 1e9;
    m.qorvil_cpu = cpu_seconds() - cpu;
    // The board writes its log line when it has answered; give it a moment to land.
    std::vector<std::string> lines;
    QElapsedTimer wait;
    wait.start();
    do {
        lines = read_lines(log);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    } while (wait.elapsed() < 300);
    m.commands = parse_board_log(std::vector<std::string>(lines.begin() + long(before), lines.end()));
}

// The time left of every word loop at each of its steps, beside the truth known afterwards.
struct Time_left_probe final : session::Listener {
    explicit Time_left_probe(const session::Session &s) : s_(s) {}
    struct Sample {
        double at, done;
        std::optional<double> left;
    };
    std::vector<std::vector<Sample>> loops;

    void progress(long total, long current) override
    {
        if (total < 0)
            return;
        if (current == 0 || loops.empty())
            loops.emplace_back();
        loops.back().push_back({platform::now_seconds(), double(current) / double(std::max(total, 1L)),
                                s_.time_left.seconds()});
    }
    // A line a loop: when the estimate first showed, and its worst error after a fifth of the
    // loop while more than half a second was left.
    void print(const char *name) const
    {
        for (const std::vector<Sample> &loop : loops) {
            double first = -1, worst = 0;
            for (const Sample &p : loop) {
                const double truth = loop.back().at - p.at;
                if (p.left && first < 0)
                    first = p.done;
                if (p.done >= 0.2 && truth > 0.5 && p.left)
                    worst = std::max(worst, std::abs(*p.left - truth) / truth);
            }
            std::printf("%-8s %6zu words %7.2fs   shown from %5.1f %%   worst error after 20 %%: %5.1f %%\n", name,
                        loop.size(), loop.back().at - loop.front().at, 100 * first, 100 * worst);
        }
    }

private:
    const session::Session &s_;
};

// A session as the windows leave it after start-up, with the port opened on `device` and the
// board identified; false when the board did not answer.
bool connect(session::Session &s, const QString &device)
{
    fuse::Combo_init(s);
    image::Clear_image(s);
    fuse::Tab_switch(s, session::Tab::memory);
    operations::Close_port_if_open(s);
    s.port().set_device(device);
    try {
        s.port().open();
    } catch (const platform::Port_fault &) {
        return false;
    }
    return comm::identify_board(s).outcome == comm::Identification::identified;
}

// Seconds of one Read against a fresh board whose replies wait `latency_ms` in the
// adapter; negative when the board could not be reached or the Read did not finish.
double read_with_adapter_latency(int latency_ms, const QString &state_path)
{
    QProcess board;
    board.start(QORVIL_SIM_BINARY, {"--timing", "real", "--state", state_path, "--firmware", "V1.02", "--rev", "A",
                                    "--adapter-latency-ms", QString::number(latency_ms)});
    if (!board.waitForStarted(10000) || !board.waitForReadyRead(10000))
        return -1;
    session::Session s;
    double seconds = -1;
    if (connect(s, QString::fromLocal8Bit(board.readLine()).trimmed())) {
        QElapsedTimer t;
        t.start();
        if (operations::Read(s).end == operations::Outcome::finished)
            seconds = double(t.nsecsElapsed()) / 1e9;
    }
    operations::Close_port_if_open(s);
    board.terminate();
    board.waitForFinished(10000);
    return seconds;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_RUNTIME_DIR", (home.path() + "/run").toUtf8());
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("Qorvil");
    QCoreApplication::setOrganizationName("Qorvil");

    const int words = 2048;
    const int program_wait = 1;
    sim::Chip chip;
    for (int i = 0; i < words; ++i)
        chip.words[size_t(i)] = uint16_t((i * 37 + 5) & 0x7FF);
    const QString state_path = home.path() + "/chip.state";
    const QString log_path = home.path() + "/board.log";
    {
        QFile f(state_path);
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray::fromStdString(sim::format_state(chip)));
    }

    QProcess board;
    board.start(QORVIL_SIM_BINARY, {"--timing", "real", "--state", state_path, "--log", log_path, "--firmware",
                                    "V1.02", "--rev", "A"});
    if (!board.waitForStarted(10000) || !board.waitForReadyRead(10000)) {
        std::fprintf(stderr, "the simulated board did not start\n");
        return 1;
    }
    const QString device = QString::fromLocal8Bit(board.readLine()).trimmed();
    session::Session s;
    if (!connect(s, device)) {
        std::fprintf(stderr, "could not connect to the simulated board on %s\n", qPrintable(device));
        return 1;
    }
    fuse::set_pgm_wait(s, QString::number(program_wait));

    Measure read, verify, program;
    read.name = "Read";
    verify.name = "Verify";
    program.name = "Program";
    Time_left_probe read_left(s), verify_left(s), program_left(s);
    s.set_listener(&read_left);
    run_measured(read, log_path, [&] { operations::Read(s); });
    s.set_listener(&verify_left);
    run_measured(verify, log_path, [&] { operations::Verify(s); });
    for (int i = 0; i < words; ++i)
        s.Mem_buffer[size_t(i)] = QString("%1").arg((i * 11 + 3) & 0x7FF, 4, 16, QLatin1Char('0')).toUpper();
    s.set_listener(&program_left);
    run_measured(program, log_path, [&] { operations::Program(s); });
    s.set_listener(nullptr);
    const QString outcome = s.status_text(session::Panel::activity);
    operations::Close_port_if_open(s);

    std::printf("Qorvil operations, %d words, program-wait count %d, simulated board at 19200 baud\n", words,
                program_wait);
    std::printf("(Program includes its verify pass; last status: %s)\n\n", qPrintable(outcome));
    std::printf("%-8s %9s %6s %11s %11s %10s %6s %6s %6s\n", "", "commands", "(a)", "(b) ref.", "(c) Qorvil",
                "Qorvil CPU", "CPU %", "c/b", "c/a");
    for (Measure *m : {&read, &verify, &program}) {
        m->floor = wire_floor_seconds(m->commands, true, program_wait);
        m->reference = replay(device.toStdString(), m->commands, true);
        std::printf("%-8s %9zu %5.2fs %10.2fs %10.2fs %9.3fs %5.1f%% %6.3f %6.3f\n", m->name, m->commands.size(),
                    m->floor, m->reference, m->qorvil, m->qorvil_cpu, 100.0 * m->qorvil_cpu / m->qorvil,
                    m->qorvil / m->reference, m->qorvil / m->floor);
    }
    std::printf("\n(a) wire-time floor, (b) minimal reference host, (c) Qorvil; targets c/b <= 1.03, CPU <= 5%%\n");
    std::printf("\nThe time left the busy window shows, each word loop (Program's second is its verify pass);\n"
                "target: within 25 %% of the truth after 20 %%\n");
    read_left.print("Read");
    verify_left.print("Verify");
    program_left.print("Program");
    board.terminate();
    board.waitForFinished(10000);

    std::printf("\nRead of %d words with a USB adapter's latency timer (board --adapter-latency-ms):\n", words);
    std::printf("%-10s %9s %12s\n", "timer", "Read", "ratio to 0");
    double without = 0;
    for (const int ms : {0, 16, 1}) {
        const double seconds = read_with_adapter_latency(ms, state_path);
        if (ms == 0)
            without = seconds;
        if (seconds < 0)
            std::printf("%7d ms %9s\n", ms, "failed");
        else
            std::printf("%7d ms %8.2fs %12.2f\n", ms, seconds, without > 0 ? seconds / without : 0.0);
    }
    std::printf("(16 ms: an FTDI adapter as it comes; 1 ms: the same in low-latency mode)\n");
    return 0;
}
