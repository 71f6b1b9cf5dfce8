#include "core_kit.h"

#include "platform/settings.h"
#include "sim/hex_reader.h"
#include "sim/state_file.h"

#include <QCoreApplication>
#include <algorithm>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QUuid>

#include <csignal>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <gtest/gtest.h>

#ifndef QORVIL_SIM_BINARY
#error "QORVIL_SIM_BINARY must name the simulated board program"
#endif

namespace test {

bool wait_until(const std::function<bool()> &condition, int limit_ms)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > limit_ms)
            return condition();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(500);
    }
    return true;
}

QString stored(const QString &key) { return platform::read_setting(platform::settings_section, key, QString()); }
void store(const QString &key, const QString &value) { platform::save_setting(platform::settings_section, key, value); }
void clear_settings() { QSettings(QStringLiteral("Qorvil"), QStringLiteral("Qorvil")).clear(); }

Sim_process::Sim_process(const QStringList &options)
{
    folder = QDir::tempPath() + QStringLiteral("/qorvil-sim-") + QUuid::createUuid().toString(QUuid::Id128);
    QDir().mkpath(folder);
    log_path = folder + QStringLiteral("/board.log");
    process_.setProgram(QStringLiteral(QORVIL_SIM_BINARY));
    process_.setArguments(QStringList(options) << QStringLiteral("--log") << log_path);
    process_.start();
    if (!process_.waitForStarted(10000))
        return;
    while (!process_.canReadLine())
        if (!process_.waitForReadyRead(10000))
            return;
    device = QString::fromLocal8Bit(process_.readLine()).trimmed();
}

Sim_process::~Sim_process()
{
    stop();
    QDir(folder).removeRecursively();
}

void Sim_process::stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(10000)) {
        process_.kill();
        process_.waitForFinished(10000);
    }
}

QString Sim_process::log(int at_least) const
{
    static const QRegularExpression line(QStringLiteral("cmd (?:'(.)'|0x(..)) payload (-|[0-9A-F ]+) reply"));
    QString out;
    int count = 0;
    wait_until([&] {
        out.clear();
        count = 0;
        for (const QString &l : QString::fromUtf8(read_file(log_path)).split('\n', Qt::SkipEmptyParts)) {
            const QRegularExpressionMatch m = line.match(l);
            if (!m.hasMatch())
                continue;
            ++count;
            out += m.captured(1).isEmpty() ? QChar(m.captured(2).toInt(nullptr, 16)) : m.captured(1).at(0);
            if (m.captured(3) != QLatin1String("-"))
                out += '[' + QString(m.captured(3)).remove(' ') + ']';
        }
        return count >= at_least;
    });
    return out;
}

void map_com_port(int n, const QString &device)
{
    platform::save_setting(QStringLiteral("Ports"), QStringLiteral("COM%1").arg(n), device);
}

void map_other_com_ports_away()
{
    for (int n = 1; n <= 9; ++n)
        if (platform::read_setting(QStringLiteral("Ports"), QStringLiteral("COM%1").arg(n), QString()).isEmpty())
            map_com_port(n, QStringLiteral("/dev/qorvil-test-none-%1").arg(n));
}

Port_holder::Port_holder(const QString &device)
{
    process_.start(QStringLiteral(QORVIL_PORT_HOLDER), {device});
    while (!holding && process_.waitForReadyRead(10000))
        holding = process_.readAll().contains("held");
}

Port_holder::~Port_holder()
{
    process_.closeWriteChannel();
    if (!process_.waitForFinished(10000))
        process_.kill();
}

bool open_here(const QString &device)
{
    for (const QFileInfo &fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::AllEntries | QDir::System))
        if (fd.symLinkTarget() == device)
            return true;
    return false;
}

QString expand(const QString &pattern)
{
    static const QRegularExpression repeat(QStringLiteral("\\{([^}]*)\\}\\*(\\d+)"));
    QString out = pattern;
    for (QRegularExpressionMatch m = repeat.match(out); m.hasMatch(); m = repeat.match(out))
        out.replace(m.capturedStart(), m.capturedLength(), m.captured(1).repeated(m.captured(2).toInt()));
    return out;
}

sim::Chip chip_of(Sim_process &board, const QString &state_file)
{
    board.stop();
    sim::Chip chip;
    std::string error;
    EXPECT_EQ(sim::load_state_file(state_file.toStdString(), chip, error), sim::State_load::loaded) << error;
    return chip;
}

sim::Chip hex_chip(const QString &file)
{
    sim::Chip chip;
    std::string error;
    EXPECT_TRUE(sim::load_hex_file(file.toStdString(), chip, error)) << error;
    return chip;
}

QString Batch_home::read(const QString &name) const { return QString::fromUtf8(read_file(path(name))); }

QString Batch_home::numbers() const
{
    return read(QStringLiteral("serials.txt")).remove(QRegularExpression(QStringLiteral("(?m)^#[^\n]*\n")));
}

Batch_home::Run Batch_home::qorvil(const QStringList &args, int limit_ms) const
{
    Batch_process p(home.path(), args);
    const int code = p.finish(limit_ms);
    return {code, p.out, p.err};
}

std::vector<std::unique_ptr<Sim_process>> Batch_home::boards_on_com_ports(const std::vector<QStringList> &options) const
{
    std::vector<std::unique_ptr<Sim_process>> boards;
    QSettings conf(path(QStringLiteral("config/Qorvil/Qorvil.conf")), QSettings::IniFormat);
    for (int n = 1; n <= 9; ++n) {
        if (size_t(n) <= options.size())
            boards.push_back(std::make_unique<Sim_process>(options[size_t(n - 1)] + QStringList{
                QStringLiteral("--state"), path(QStringLiteral("chip%1.state").arg(n))}));
        conf.setValue(QStringLiteral("Ports/COM%1").arg(n), size_t(n) <= options.size() ? boards.back()->device : "/dev/none");
    }
    return boards;
}

Batch_process::Batch_process(const QString &home, const QStringList &args, int columns, int head_lines, bool nohup)
{
    if (nohup)
        process_.setChildProcessModifier([] { ::signal(SIGHUP, SIG_IGN); });
    if (columns > 0) {
        terminal_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        const winsize size{24, static_cast<unsigned short>(columns), 0, 0};
        if (::grantpt(terminal_) == 0 && ::unlockpt(terminal_) == 0 && ::ioctl(terminal_, TIOCSWINSZ, &size) == 0)
            process_.setStandardErrorFile(QString::fromLocal8Bit(::ptsname(terminal_)));
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("QORVIL_WORK_DIR"), home + QStringLiteral("/work"));
    // No platform plugin: batch mode must not need one.
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    env.remove(QStringLiteral("DISPLAY"));
    process_.setProcessEnvironment(env);
    const QString qorvil = QCoreApplication::applicationDirPath() + QStringLiteral("/qorvil");
    // Arguments holding "\\xNN" go through the shell, which turns them into the bytes NN: names
    // that are not UTF-8.
    const bool raw_bytes = std::any_of(args.begin(), args.end(), [](const QString &a) { return a.contains("\\x"); });
    if (head_lines > 0 || raw_bytes)  // `qorvil … 2>&1 | head -n N`: the reader goes away after N lines
        process_.start(QStringLiteral("/bin/bash"),
                       QStringList{"-c",
                                   QStringLiteral("set -o pipefail; a=(); for x; do a+=(\"$(printf %b \"$x\")\"); done; ")
                                       + (head_lines > 0 ? QStringLiteral("\"$0\" --batch \"${a[@]}\" 2>&1 | head -n %1").arg(head_lines)
                                                         : QStringLiteral("exec \"$0\" --batch \"${a[@]}\"")),
                                   qorvil} + args);
    else
        process_.start(qorvil, QStringList{"--batch"} + args);
}

Batch_process::~Batch_process()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        process_.waitForFinished(30000);
    }
    if (terminal_ >= 0)
        ::close(terminal_);
}

void Batch_process::take()
{
    out += QString::fromUtf8(process_.readAllStandardOutput());
    err += QString::fromUtf8(process_.readAllStandardError());
    char bytes[4096];
    for (ssize_t n; terminal_ >= 0 && (n = ::read(terminal_, bytes, sizeof bytes)) > 0;)
        err = QString::fromUtf8(terminal_bytes_ += QByteArray(bytes, int(n)));
}

bool Batch_process::wait_for_errors(const QStringList &texts, int limit_ms)
{
    const auto all_there = [&] {
        take();
        for (const QString &t : texts)
            if (!err.contains(t))
                return false;
        return true;
    };
    return wait_until([&] { return all_there() || process_.state() == QProcess::NotRunning; }, limit_ms) && all_there();
}

int Batch_process::finish(int limit_ms)
{
    // Read while waiting: a terminal holds little before its writer has to wait.
    const bool ended = wait_until([&] { take(); return process_.state() == QProcess::NotRunning; }, limit_ms);
    take();
    return ended && process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

void Batch_process::signal(int number)
{
    // Once the program has ended there is no process: kill(0) would signal this one.
    if (const qint64 pid = process_.processId(); pid > 0)
        ::kill(pid_t(pid), number);
}

QString hex_record(int address, const QList<int> &data, int type)
{
    QString text = QStringLiteral(":");
    int sum = 0;
    for (int b : QList<int>{int(data.size()), address >> 8, address & 0xFF, type} + data) {
        text += QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
        sum += b;
    }
    return text + QStringLiteral("%1").arg(-sum & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

QByteArray hex_text(const std::vector<int> &words, int fuse, int fusex)
{
    QList<int> bytes;
    for (const int w : words)
        bytes << (w & 0xFF) << (w >> 8);
    QString out;
    for (int at = 0; at < bytes.size(); at += 16)
        out += hex_record(at, bytes.mid(at, 16)) + '\n';
    out += hex_record(0x2020, {fuse & 0xFF, fuse >> 8, fusex & 0xFF, fusex >> 8}) + '\n';
    return (out + hex_record(0, {}, 1) + '\n').toLatin1();
}

bool write_file(const QString &path, const QByteArray &contents)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(contents) == contents.size() && f.flush();
}

QByteArray read_file(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}


QString fake_sysfs(const QTemporaryDir &dir, const QString &device, const char *ms)
{
    const QString name = QFileInfo(QFileInfo(device).canonicalFilePath()).fileName();
    const QString folder = dir.path() + "/sys/class/tty/" + name + "/device";
    QDir().mkpath(folder);
    QFile::remove(folder + "/latency_timer");
    if (ms)
        write_file(folder + "/latency_timer", QByteArray(ms) + '\n');
    return dir.path() + "/sys";
}

QStringList trace_lines(const QString &path, int min_ms)
{
    QStringList lines;
    static const QRegularExpression time_field("^\\d+ "), time_out("after (\\d+) ms$");
    for (QString line : QString::fromUtf8(read_file(path)).split('\n', Qt::SkipEmptyParts)) {
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

} // namespace test
