#include "shell/board_run.h"

#include "link/failed_exchange.h"
#include "operations/operation_frame.h"
#include "platform/serial_port.h"
#include "platform/stop_signals.h"
#include "shell/batch.h"
#include "state/globals.h"

#include <QCoreApplication>

namespace shell {
namespace {

QString platform_device() { return platform::port().device(); }

} // namespace

Board_run::Board_run(const Batch_options &options, std::function<void(const QString &)> error)
    : options_(options), error_(std::move(error))
{
}

void Board_run::catch_stop()
{
    platform::catch_stop_signals([this] {
        if (!interrupted_)
            error_(QCoreApplication::translate("shell", "stopping: the operation ends through its abort path"));
        interrupted_ = true;
        operations::Command_cancel_click();
    });
}

void Board_run::release_stop() { platform::release_stop_signals(); }

void Board_run::keep_stopping() const
{
    if (interrupted_ && state::Link.comxx_error == 0)
        state::Link.comxx_error = 1;
}

void Board_run::begin()
{
    clock_.start();
    comm::clear_failed_exchange();
    opened_ = false;
    phase_.clear();
    report_ = {};
    if (progress_channel_open())
        send_on_channel("state", QStringLiteral("connecting"));
}

void Board_run::connected(bool opened)
{
    opened_ = opened;
    if (progress_channel_open() && !platform_device().isEmpty())
        send_on_channel("device", platform_device());
}

void Board_run::action_started(const QString &action)
{
    action_ = action;
    if (progress_channel_open() && (action == QLatin1String("identify") || action == QLatin1String("erase")))
        send_on_channel("state", action);
}

void Board_run::progress(long total, long current)
{
    if (!progress_channel_open() || total < 0)
        return;
    const QString phase = state::Verify_running ? QStringLiteral("verify") : action_;
    const int step = (total > 0 ? int(100 * current / total) : 100) / 5 * 5;
    if (phase == phase_ && step == step_)
        return;
    phase_ = phase;
    step_ = step;
    send_on_channel("progress", phase + ' ' + QString::number(step));
}

QString Board_run::result_text(int status, const QString &refusal) const
{
    switch (status) {
    case batch_ok:
        return QCoreApplication::translate("shell", "ok");
    case batch_differences:
        return QCoreApplication::translate("shell", "verify differences");
    case batch_link_failed:
        if (interrupted_)
            return QCoreApplication::translate("shell", "interrupted");
        if (!opened_)
            return QCoreApplication::translate("shell", "cannot open");
        return QCoreApplication::translate("shell", "communication error (%1)")
            .arg(comm::failed_exchange().isEmpty() ? QStringLiteral("identify") : comm::failed_exchange());
    default:
        return QCoreApplication::translate("shell", "refused: %1").arg(refusal);
    }
}

int Board_run::end(int status, const QString &refusal)
{
    report_.status = status;
    report_.milliseconds = clock_.elapsed();
    report_.result = result_text(status, refusal);
    if (progress_channel_open())
        send_on_channel("result", format_run_report(report_));
    return status;
}

} // namespace shell
