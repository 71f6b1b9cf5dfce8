#include "batch/board_run.h"

#include "batch/batch.h"
#include "batch/production_log.h"
#include "batch/tr.h"
#include "fuse/fuse_words.h"
#include "operations/operation_frame.h"
#include "platform/clock.h"
#include "platform/locked_file.h"
#include "words/word_text.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <vector>

namespace batch {
namespace {

int word_value(const QString &text) { return text.toInt(nullptr, 16); }

// ISO 8601 with the offset from UTC.
QString iso_time(const QDateTime &t) { return t.toOffsetFromUtc(t.offsetFromUtc()).toString(Qt::ISODate); }

} // namespace

Board_run::Board_run(const Batch_options &options, session::Session &s, Board_output &out,
                     std::function<void(const QString &)> error)
    : options_(options), s_(s), out_(out), error_(std::move(error))
{
    if (options.serial)
        plan_ = *options.serial;
}

void Board_run::begin()
{
    begun_ = true;
    clock_.start();
    started_ = platform::wall_time();
    s_.failure = {};
    opened_ = false;
    device_.clear();
    image_.clear();
    crc_.clear();
    phase_.clear();
    report_ = {};
    out_.state(QStringLiteral("connecting"));
}

int Board_run::check_serial_target()
{
    fuse::sync_words_and_panel(s_);  // the chip's memory size comes from FUSEX
    const QString problem = serial_target_problem(plan_, s_.Last_address, [this](int a) {
        return word_value(s_.Mem_buffer[size_t(a)]);
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
    const QString problem = change_serial_file(
        *options_.serial_file, plan_.start,
        [&](Serial_pool &pool) {
            taken = batch::take_serial(pool, plan_.step, plan_.bytes, owner);
            return taken ? QString() : Tr::tr("the next serial number does not fit in %1").arg(byte_count(plan_.bytes));
        },
        [this, said = false]() mutable {
            if (!said)
                error_(Tr::tr("waiting for %1, which another program has locked").arg(*options_.serial_file));
            said = true;
            return interrupted();
        });
    if (!problem.isEmpty()) {
        error_(Tr::tr("serial numbers in %1: %2").arg(*options_.serial_file, problem));
        return interrupted() ? batch_link_failed : batch_bad_input;
    }
    serial_ = taken;
    return batch_ok;
}

void Board_run::settle(bool used)
{
    const std::uint64_t number = *serial_;
    settled_ = true;
    const QString problem = change_serial_file(*options_.serial_file, plan_.start, [&](Serial_pool &pool) {
        settle_serial(pool, number, used);
        return QString();
    });
    if (!problem.isEmpty())
        error_(Tr::tr("serial number %1 stays pending in %2: %3")
                   .arg(number)
                   .arg(*options_.serial_file, problem));
}

void Board_run::connected(bool opened)
{
    opened_ = opened;
    device_ = s_.port().device();
    if (!device_.isEmpty())
        out_.device(device_);
}

void Board_run::action_started(const QString &action)
{
    action_ = action;
    if (action == QLatin1String("identify") || action == QLatin1String("erase"))
        out_.state(action);
}

void Board_run::progress(long total, long current)
{
    if (total < 0)
        return;
    const QString phase = s_.Verify_running ? QStringLiteral("verify") : action_;
    const int step = (total > 0 ? int(100 * current / total) : 100) / 5 * 5;
    if (phase == phase_ && step == step_)
        return;
    phase_ = phase;
    step_ = step;
    out_.percent(phase, step);
}

void Board_run::image_loaded(const QString &path)
{
    fuse::sync_words_and_panel(s_);
    if (serial_) {
        const std::vector<int> words = retw_words(*serial_, plan_.bytes);
        for (size_t i = 0; i < words.size(); ++i)
            s_.Mem_buffer[size_t(plan_.address) + i] = words::Num_to_hex4(words[i]);
    }
    // What Program writes: the words up to the last one that is not blank, then FUSE and
    // FUSEX as the image gives them.
    std::vector<int> words;
    for (int a = 0; a <= operations::last_non_blank_address(s_); ++a)
        words.push_back(word_value(s_.Mem_buffer[size_t(a)]));
    words.push_back(word_value(s_.Label_fuse_word));
    words.push_back(word_value(s_.Label_fusex_word));
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
        return Tr::tr("ok");
    case batch_differences:
        return Tr::tr("verify differences");
    case batch_link_failed:
        if (interrupted())
            return Tr::tr("interrupted");
        if (!opened_)
            return Tr::tr("cannot open");
        return Tr::tr("communication error (%1)")
            .arg(s_.failure.routine.isEmpty() ? QStringLiteral("identify") : s_.failure.routine);
    default:
        return Tr::tr("refused: %1").arg(refusal);
    }
}

void Board_run::abandon()
{
    if (begun_)
        end(batch_link_failed, {}, Tr::tr("no result"));
}

int Board_run::end(int status, const QString &refusal, const QString &result)
{
    begun_ = false;
    if (serial_ && !settled_)
        settle(false);
    serial_.reset();
    settled_ = false;
    report_.status = status;
    report_.milliseconds = clock_.elapsed();
    report_.result = result.isEmpty() ? result_text(status, refusal) : result;
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
            error_(Tr::tr("cannot write the production log %1: %2")
                       .arg(*options_.log_csv, failure));
            if (status == batch_ok)
                status = report_.status = batch_bad_input;
        }
    }
    out_.result(report_);
    return status;
}

} // namespace batch
