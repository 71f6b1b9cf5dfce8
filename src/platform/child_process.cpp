#include "platform/child_process.h"

#include <QCoreApplication>
#include <QProcessEnvironment>

namespace platform {

Child_process::Child_process(std::function<void(const QByteArray &)> on_line,
                             std::function<void(const QByteArray &)> on_error_line, std::function<void(int)> on_end)
    : on_line_(std::move(on_line)), on_error_line_(std::move(on_error_line)), on_end_(std::move(on_end))
{
    QObject::connect(&process_, &QProcess::readyReadStandardOutput, [this] { take(QProcess::StandardOutput); });
    QObject::connect(&process_, &QProcess::readyReadStandardError, [this] { take(QProcess::StandardError); });
    QObject::connect(&process_, &QProcess::finished, [this](int code, QProcess::ExitStatus status) {
        take(QProcess::StandardOutput);
        take(QProcess::StandardError);
        if (!ended_) {
            ended_ = true;
            on_end_(status == QProcess::NormalExit ? code : -1);
        }
    });
    QObject::connect(&process_, &QProcess::errorOccurred, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart && !ended_) {
            ended_ = true;
            on_end_(-1);
        }
    });
}

Child_process::~Child_process()
{
    if (process_.state() != QProcess::NotRunning)
        process_.waitForFinished(-1);
}

void Child_process::start(const QStringList &args, const QStringList &environment)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &entry : environment)
        env.insert(entry.section('=', 0, 0), entry.section('=', 1));
    process_.setProcessEnvironment(env);
    process_.start(QCoreApplication::applicationFilePath(), args);
}

void Child_process::ask_to_stop()
{
    if (process_.state() != QProcess::NotRunning)
        process_.terminate();
}

bool Child_process::running() const { return !ended_; }

void Child_process::take(QProcess::ProcessChannel channel)
{
    process_.setReadChannel(channel);
    const auto &deliver = channel == QProcess::StandardOutput ? on_line_ : on_error_line_;
    while (process_.canReadLine()) {
        QByteArray line = process_.readLine();
        line.chop(line.endsWith('\n') ? 1 : 0);
        deliver(line);
    }
    // What is left when the process has ended is a last line without a line end.
    if (process_.state() == QProcess::NotRunning && process_.bytesAvailable() > 0)
        deliver(process_.readAll());
}

} // namespace platform
