#include "shell/board_run.h"

#include "image/word_text.h"
#include "link/failed_exchange.h"
#include "operations/operation_frame.h"
#include "operations/panel_sync.h"
#include "platform/clock.h"
#include "platform/locked_file.h"
#include "platform/serial_port.h"
#include "platform/stop_signals.h"
#include "shell/batch.h"
#include "shell/production_log.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <vector>

namespace shell {
namespace {

int word_value(const QString &text) { return text.toInt(nullptr, 16); }

// ISO 8601 with the offset from UTC.
QString iso_time(const QDateTime &t) { return t.toOffsetFromUtc(t.offsetFromUtc()).toString(Qt::ISODate); }

} // namespace

Board_run::Board_run(const Batch_options &options, std::function<void(const QString &)> error)
    : options_(options), error_(std::move(error))
{
    if (options.serial) {
        plan_ = *options.serial;
        plan_.bytes = options.serial_bytes.value_or(2);
    }
}

void Board_run::catch_stop()
{
    platform::catch_stop_signals([this] {
        if (!interrupted_)
            error_(QCoreApplication::translate("shell", "stopping: a running operation ends through its abort path"));
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
    started_ = platform::wall_time();
    comm::clear_failed_exchange();
    opened_ = false;
    device_.clear();
    image_.clear();
    crc_.clear();
    phase_.clear();
    report_ = {};
    if (progress_channel_open())
        send_on_channel("state", QStringLiteral("connecting"));
}

int Board_run::check_serial_target()
{
    operations::sync_words_and_panel();  // the chip's memory size comes from FUSEX
    const QString problem = serial_target_problem(plan_, state::Last_address, [](int a) {
        return word_value(state::Mem_buffer[size_t(a)]);
    });
    if (problem.isEmpty())
        return batch_ok;
    error_(problem);
    return batch_bad_input;
}

int Board_run::take_serial()
{
    if (!options_.serial)
        return batch_ok;
    const QString owner = QStringLiteral("%1, process %2, %3")
                              .arg(options_.port.value_or(QString()))
                              .arg(QCoreApplication::applicationPid())
                              .arg(iso_time(started_));
    std::optional<std::uint64_t> taken;
    const QString problem = change_pool([&](Serial_pool &pool) {
        taken = shell::take_serial(pool, plan_.step, plan_.bytes, owner);
        return taken ? QString()
                     : QCoreApplication::translate("shell", "the next serial number does not fit in %1 bytes")
                           .arg(plan_.bytes);
    });
    if (!problem.isEmpty()) {
        error_(QCoreApplication::translate("shell", "serial numbers in %1: %2").arg(*options_.serial_file, problem));
        return batch_bad_input;
    }
    serial_ = taken;
    return batch_ok;
}

void Board_run::settle(bool used)
{
    const std::uint64_t number = *serial_;
    settled_ = true;
    const QString problem = change_pool([&](Serial_pool &pool) {
        settle_serial(pool, number, used);
        return QString();
    });
    if (!problem.isEmpty())
        error_(QCoreApplication::translate("shell", "serial number %1 stays pending in %2: %3")
                   .arg(number)
                   .arg(*options_.serial_file, problem));
}

QString Board_run::change_pool(const std::function<QString(Serial_pool &)> &change) const
{
    QString problem;
    const QString failure =
        platform::change_locked(*options_.serial_file, [&](const QByteArray &old) -> std::optional<QByteArray> {
            Serial_pool pool;
            problem = parse_serial_pool(old, plan_.start, pool);
            if (problem.isEmpty())
                problem = change(pool);
            if (!problem.isEmpty())
                return std::nullopt;
            return format_serial_pool(pool);
        });
    return failure.isEmpty() ? problem : failure;
}

void Board_run::connected(bool opened)
{
    opened_ = opened;
    device_ = platform::port().device();
    if (progress_channel_open() && !device_.isEmpty())
        send_on_channel("device", device_);
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

void Board_run::image_loaded(const QString &path)
{
    operations::sync_words_and_panel();
    if (serial_) {
        const std::vector<int> words = retw_words(*serial_, plan_.bytes);
        for (size_t i = 0; i < words.size(); ++i)
            state::Mem_buffer[size_t(plan_.address) + i] = image::Num_to_hex4(words[i]);
    }
    // What Program writes: the words up to the last one that is not blank, then FUSE and
    // FUSEX as the image gives them.
    std::vector<int> words;
    for (int a = 0; a <= operations::last_non_blank_address(); ++a)
        words.push_back(word_value(state::Mem_buffer[size_t(a)]));
    words.push_back(word_value(state::frmMain().Label_fuse_word->text()));
    words.push_back(word_value(state::frmMain().Label_fusex_word->text()));
    image_ = QFileInfo(path).absoluteFilePath();
    crc_ = QString::number(crc32(word_bytes(words)), 16).toUpper().rightJustified(8, QLatin1Char('0'));
}

int Board_run::program_done(int status)
{
    if (status == batch_ok && serial_ && !settled_) {
        report_.serial = QString::number(*serial_);
        settle(true);
    }
    return status;
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
    if (serial_ && !settled_)
        settle(false);
    serial_.reset();
    settled_ = false;
    report_.status = status;
    report_.milliseconds = clock_.elapsed();
    report_.result = result_text(status, refusal);
    if (options_.log_csv) {
        Log_row row;
        row.time = iso_time(started_);
        row.port = options_.port.value_or(QString());
        row.device = device_;
        row.image = image_;
        row.crc = crc_;
        row.serial = report_.serial;
        row.result = report_.result;
        row.seconds = double(report_.milliseconds) / 1000.0;
        if (const QString failure = append_log_row(*options_.log_csv, row); !failure.isEmpty()) {
            error_(QCoreApplication::translate("shell", "cannot write the production log %1: %2")
                       .arg(*options_.log_csv, failure));
            if (status == batch_ok)
                status = report_.status = batch_bad_input;
        }
    }
    if (progress_channel_open())
        send_on_channel("result", format_run_report(report_));
    return status;
}

} // namespace shell
