#include "batch/batch_run.h"

#include "batch/auto_port.h"
#include "batch/batch.h"
#include "batch/tr.h"
#include "batch/watch_mode.h"
#include "fuse/fuse_words.h"
#include "fuse/option_tables.h"
#include "fuse/pgm_wait.h"
#include "fuse/tabs.h"
#include "image/device_image.h"
#include "image/hex_export.h"
#include "image/hex_import.h"
#include "link/identification.h"
#include "link/serial_link.h"
#include "link/trace.h"
#include "operations/operation_frame.h"
#include "operations/operations.h"
#include "platform/com_ports.h"
#include "platform/files.h"
#include "platform/settings.h"
#include "session/version.h"
#include "words/word_text.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <exception>

namespace batch {
namespace {

QString one_line(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
    return text.trimmed();
}

QString action_name(Batch_action::Kind kind)
{
    static const char *const names[] = {"identify", "erase", "program", "verify", "read", "fuse", "fusex"};
    return QLatin1String(names[kind]);
}

} // namespace

QString file_problem(const Batch_options &o)
{
    for (const Batch_action &a : o.actions) {
        if ((a.kind != Batch_action::program && a.kind != Batch_action::verify) || o.watch)
            continue;
        const QFileInfo info(a.value);
        if (!image::File_exists(a.value))
            return Tr::tr("cannot read %1").arg(a.value);
        if (!info.isFile())
            return Tr::tr("%1 is not a regular file").arg(a.value);
        if (info.size() > image::max_hex_file_size)
            return Tr::tr("%1 is larger than any image can be").arg(a.value);
    }
    QStringList targets;
    if (o.log_csv)
        targets << *o.log_csv;
    if (o.trace)
        targets << *o.trace;
    if (o.serial_file)
        targets << *o.serial_file;
    for (const Batch_action &a : o.actions)
        if (a.kind == Batch_action::read)
            targets << a.value;
    for (const QString &target : targets)
        if (const QString problem = platform::output_problem(target); !problem.isEmpty())
            return Tr::tr("cannot write %1: %2").arg(target, problem);
    return {};
}

Batch_run::Batch_run(const Batch_options &options, session::Session &s, Board_output &out, bool quiet)
    : options_(options), s_(s), out_(out), quiet_(quiet), board_(options_, s, out, [this](const QString &text) { error(text); })
{
    s_.set_listener(this);
}

Batch_run::~Batch_run() { s_.set_listener(nullptr); }

int Batch_run::run()
{
    // What the run reads must be there, and what it writes writable, before any board is touched.
    if (const QString problem = file_problem(options_); !problem.isEmpty()) {
        error(problem);
        return batch_bad_input;
    }
    prepare();
    start_trace();
    int result = batch_link_failed;
    try {
        result = options_.watch ? watch() : run_once();
    } catch (const std::exception &e) {
        error(Tr::tr("the run ended early: %1").arg(QString::fromLocal8Bit(e.what())));
        board_.abandon();
    }
    operations::Close_port_if_open(s_);
    comm::stop_trace(s_);
    return result;
}

void Batch_run::request_stop()
{
    if (!s_.stop_requested)
        error(Tr::tr("stopping: a running operation ends through its abort path"));
    s_.stop_requested = true;
}

void Batch_run::error(const QString &text)
{
    last_error_ = text;
    out_.line(QStringLiteral("qorvil: ") + text);
}

void Batch_run::box(const QString &title, const QString &text, bool news_only)
{
    // Notices and warnings are news, not errors.
    if (!quiet_ || !news_only)
        out_.line(QStringLiteral("[%1] %2").arg(title, one_line(text)));
}

void Batch_run::status_changed(session::Panel panel, const QString &text)
{
    if (quiet_ || panel == session::Panel::progress || text.isEmpty())
        return;
    out_.line(text);
}

void Batch_run::progress(long total, long current)
{
    board_.progress(total, current);
    out_.progress(total, current, s_.status_text(session::Panel::activity));
}

void Batch_run::board_faulted(const QString &report) { box(comm::fault_report_title(), report, false); }

// The port went away between two operations: the operation stops as if cancelled.
void Batch_run::open_connection() { s_.Link.comxx_error = 1; }

// One run on the board: the checks that come before anything is sent, the connection,
// the actions in order, and the run's report.
int Batch_run::run_once()
{
    board_.begin();
    int result = options_.serial ? check_serial_targets() : batch_ok;
    if (result == batch_ok)
        result = board_.take_serial();
    if (result == batch_ok && !board_.interrupted()) {
        result = connect_board();
        board_.connected(s_.port().is_open());
    }
    for (const Batch_action &action : options_.actions) {
        if (result != batch_ok)
            break;
        if (board_.interrupted())
            result = batch_link_failed;
        else
            result = perform(action);
    }
    operations::Close_port_if_open(s_);
    return board_.end(result, last_error_);
}

// Every Program image, with the --fuse/--fusex words before it, must leave room for the
// serial number; nothing has been sent yet.
int Batch_run::check_serial_targets()
{
    const bool quiet = quiet_;
    quiet_ = true;  // the run itself shows the files' warnings
    int result = batch_ok;
    for (const Batch_action &action : options_.actions) {
        if (action.kind == Batch_action::fuse || action.kind == Batch_action::fusex)
            perform(action);
        else if (action.kind == Batch_action::program && (result = load(action.value)) == batch_ok)
            result = board_.check_serial_target();
        if (result != batch_ok)
            break;
    }
    fuse_.reset();
    fusex_.reset();
    quiet_ = quiet;
    return result;
}

// Runs again every time the program file has a new complete version, until stopped.
int Batch_run::watch()
{
    const auto program = std::find_if(options_.actions.begin(), options_.actions.end(),
                                      [](const Batch_action &a) { return a.kind == Batch_action::program; });
    Watched_file file(program->value);
    int result = batch_ok;
    while (!board_.interrupted()) {
        if (const QString problem = hex_file_problem(program->value); !problem.isEmpty())
            error(Tr::tr("%1; waiting for the file to change").arg(problem));
        else
            result = run_once();
        out_.state(QStringLiteral("waiting"));
        if (!file.wait_for_new_version([this] { return board_.interrupted(); }))
            break;
    }
    return result;
}

// The session as the windows would leave it for an operation: the option lists filled, the
// image blank, the package, revision and programming wait chosen, and the command tab in
// front, so that the word texts are the master copy of FUSE and FUSEX.
void Batch_run::prepare()
{
    fuse::Combo_init(s_);
    image::Clear_image(s_);
    bool ok = false;
    const int pins = platform::get_setting(QStringLiteral("Pin_mode"), QStringLiteral("18")).toInt(&ok);
    s_.Pin_mode = int16_t(options_.pins.value_or(ok && (pins == 18 || pins == 28) ? pins : 18));
    const int rev = platform::get_setting(QStringLiteral("Rev_mode"), QStringLiteral("1")).toInt(&ok);
    s_.Rev_mode = int16_t(options_.rev.value_or(ok && (rev == 0 || rev == 1) ? rev : 1));
    fuse::set_pgm_wait(s_, options_.wait ? QString::number(*options_.wait) : fuse::stored_pgm_wait(s_.Rev_mode));
    fuse::Tab_switch(s_, session::Tab::commands);
}

// A trace file that cannot be written is reported; the run goes on without it.
void Batch_run::start_trace()
{
    if (!options_.trace)
        return;
    if (const QString reason = comm::start_trace(s_, *options_.trace); !reason.isEmpty())
        error(Tr::tr("cannot write the trace to %1: %2").arg(*options_.trace, reason));
}

int Batch_run::connect_board()
{
    QString port = options_.port.value_or(QString());
    if (port.isEmpty()) {
        bool ok = false;
        const int n = platform::get_setting(QStringLiteral("ComNo"), QStringLiteral("0")).toInt(&ok);
        if (!ok || n < 1 || n > 9) {
            error(Tr::tr("no port chosen: give --port COMn, a device or auto"));
            return batch_bad_input;
        }
        port = QStringLiteral("COM%1").arg(n);
    }
    QString device = port;
    if (port.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0) {
        const Auto_port found = find_board_port(comm::tracing(s_));
        if (found.status != batch_ok) {
            error(found.report.join('\n'));
            return found.status;
        }
        if (!quiet_)
            out_.line(found.report.join('\n'));
        device = found.device;
    } else if (port.size() == 4 && port.startsWith(QLatin1String("COM"), Qt::CaseInsensitive) && port[3].isDigit()) {
        device = platform::com_device(port[3].digitValue());
        if (device.isEmpty()) {
            error(Tr::tr("%1 names no serial device").arg(port));
            return batch_link_failed;
        }
    }
    auto &p = s_.port();
    try {
        p.set_device(device);
        p.open();
    } catch (const platform::Port_fault &fault) {
        error(Tr::tr("cannot open %1: %2").arg(device, fault.reason));
        return batch_link_failed;
    }
    const comm::Identification id = comm::identify_board(s_, [this] { return !s_.stopping(); });
    if (id.outcome == comm::Identification::abandoned)
        return batch_link_failed;
    if (id.outcome != comm::Identification::identified) {
        error(id.outcome == comm::Identification::no_answer
                  ? Tr::tr("the programmer on %1 does not answer").arg(device)
                  : Tr::tr("the device on %1 is not the programmer (it answered '%2')")
                        .arg(device, QString::fromLatin1(id.reply).trimmed()));
        return batch_link_failed;
    }
    identification_ = id.line();
    return batch_ok;
}

// Loads a HEX file as the Open command does, then applies the --fuse/--fusex words. The file
// was found readable before the run began (or, watching, before this run).
int Batch_run::load(const QString &path)
{
    s_.Set_status_text(session::Panel::firmware, QString());
    s_.Open_file_name = path;
    const image::Import_result imported = image::Import_hex(s_, path);
    if (imported.end == image::Import_result::not_hex) {
        error(Tr::tr("%1 is not an Intel HEX file").arg(path));
        return batch_bad_input;
    }
    if (imported.end != image::Import_result::read) {  // gone or changed since, or a read error
        box(session::app_title, image::reading_error_text(), false);
        error(Tr::tr("%1 could not be read completely").arg(path));
        return batch_bad_input;
    }
    if (imported.fuse_warning)
        box(image::fuse_warning_title(), image::fuse_warning_text(), true);
    apply_word_overrides();
    board_.image_loaded(path);
    return batch_ok;
}

void Batch_run::apply_word_overrides()
{
    if (fuse_) {
        fuse::set_word(s_, s_.Label_fuse_word, s_.Label_fuse_word_bin, *fuse_);
        fuse::Fuse_word_to_panel(s_);
    }
    if (fusex_) {
        fuse::set_word(s_, s_.Label_fusex_word, s_.Label_fusex_word_bin, *fusex_);
        fuse::Fusex_word_to_panel(s_);
    }
}

// The boxes an operation ends with, as lines, and its exit status.
int Batch_run::status_of(const operations::Outcome &o)
{
    if (o.verify && o.verify->flags != 0)
        box(operations::verify_result_title(), o.verify->box_text, false);
    if (o.verify && !o.verify->hint.isEmpty())
        out_.line(o.verify->hint);
    switch (o.end) {
    case operations::Outcome::finished:
        return batch_ok;
    case operations::Outcome::differences:
        return batch_differences;
    case operations::Outcome::stopped:
        // A stop that was asked for is no device access error; the run says it was interrupted.
        if (!board_.interrupted() || o.stop.reason != operations::Stop::cancel)
            box(operations::abort_box_title(), operations::abort_box_text(), false);
        return batch_link_failed;
    case operations::Outcome::not_started:
        // Not met here: the package is always chosen, and a FUSE word always names an
        // oscillator mode.
        break;
    }
    return batch_link_failed;
}

int Batch_run::perform(const Batch_action &action)
{
    board_.action_started(action_name(action.kind));
    switch (action.kind) {
    case Batch_action::identify:
        out_.output(identification_);
        return batch_ok;
    case Batch_action::erase:
        box(operations::erase_notice_title(), operations::erase_notice_text(), true);
        return status_of(operations::Erase(s_));
    case Batch_action::program:
        if (const int r = load(action.value))
            return r;
        return board_.program_done(status_of(operations::Program(s_)));
    case Batch_action::verify:
        if (const int r = load(action.value))
            return r;
        return status_of(operations::Verify(s_));
    case Batch_action::read: {
        if (const int r = status_of(operations::Read(s_)))
            return r;
        s_.Save_file_name = action.value;
        if (!image::Export_hex(s_, action.value)) {
            error(Tr::tr("cannot write %1: %2").arg(action.value, s_.status_text(session::Panel::activity)));
            return batch_bad_input;
        }
        s_.Set_status_text(session::Panel::activity, QCoreApplication::translate("image", "ファイル保存完了。"));
        return batch_ok;
    }
    case Batch_action::fuse:
    case Batch_action::fusex: {
        QString digits = action.value;
        if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
            digits = digits.mid(2);
        const QString word = words::Num_to_hex4(digits.toInt(nullptr, 16));
        (action.kind == Batch_action::fuse ? fuse_ : fusex_) = word;
        apply_word_overrides();
        return batch_ok;
    }
    }
    return batch_ok;
}

} // namespace batch
