#include "sim_process.h"

#include "platform/settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>

#ifndef QORVIL_SIM_BINARY
#error "QORVIL_SIM_BINARY must name the simulated board program"
#endif

namespace test {

Sim_process::Sim_process(const QStringList &options)
{
    folder_ = QDir::tempPath() + QStringLiteral("/qorvil-sim-") + QUuid::createUuid().toString(QUuid::Id128);
    QDir().mkpath(folder_);
    log_path = folder_ + QStringLiteral("/board.log");
    QStringList args = options;
    args << QStringLiteral("--log") << log_path;
    process_.setProgram(QStringLiteral(QORVIL_SIM_BINARY));
    process_.setArguments(args);
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start();
    if (!process_.waitForStarted(10000))
        return;
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(10000))
            return;
    }
    device = QString::fromLocal8Bit(process_.readLine()).trimmed();
}

Sim_process::~Sim_process()
{
    stop();
    QDir(folder_).removeRecursively();
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

QStringList Sim_process::log_lines() const
{
    QFile f(log_path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

void map_com_port(int n, const QString &device)
{
    platform::save_setting(QStringLiteral("Ports"), QStringLiteral("COM%1").arg(n), device);
}

} // namespace test
