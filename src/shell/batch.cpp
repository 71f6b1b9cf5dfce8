#include "shell/batch.h"

#include "fuse/fuse_words.h"
#include "fuse/option_tables.h"
#include "fuse/panel_behaviour.h"
#include "fuse/revision_layout.h"
#include "image/device_image.h"
#include "image/hex_export.h"
#include "image/hex_import.h"
#include "image/word_text.h"
#include "link/identification.h"
#include "link/trace.h"
#include "operations/operation_frame.h"
#include "operations/operations.h"
#include "state/status_bar.h"
#include "platform/com_ports.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/serial_port.h"
#include "platform/settings.h"
#include "shell/batch_auto_port.h"
#include "shell/batch_options.h"
#include "shell/board_run.h"
#include "shell/gang_supervisor.h"
#include "shell/production_options.h"
#include "shell/progress_channel.h"
#include "shell/watch_mode.h"
#include "shell/tr.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <cstdio>
#include <unistd.h>

namespace shell {
namespace {

// Where batch mode talks: standard error for everything but the requested output.
class Console {
public:
    bool quiet = false;
    bool bar_shown = false;
    bool tty = isatty(STDERR_FILENO) != 0;
    QString last_error;

    void line(const QString &text)
    {
        if (progress_channel_open()) {
            send_on_channel("note", text);
            return;
        }
        clear_bar();
        std::fputs((text + '\n').toUtf8().constData(), stderr);
        std::fflush(stderr);
    }
    void error(const QString &text)
    {
        last_error = text;
        line(QStringLiteral("qorvil: ") + text);
    }

    void progress(long total, long current)
    {
        if (quiet || !tty)
            return;
        if (total < 0) {
            clear_bar();
            return;
        }
        const int percent = total > 0 ? int(100 * current / total) : 100;
        const int width = 40;
        const int filled = percent * width / 100;
        const QString bar = QStringLiteral("\r[%1%2] %3% %4")
                                .arg(QString(filled, '#'), QString(width - filled, '.'))
                                .arg(percent, 3)
                                .arg(state::status_text(3));
        std::fputs(bar.toUtf8().constData(), stderr);
        std::fflush(stderr);
        bar_shown = true;
    }

    void clear_bar()
    {
        if (!bar_shown)
            return;
        std::fputs("\r\033[K", stderr);
        bar_shown = false;
    }
};

QString one_line(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
    return text.trimmed();
}

class Batch_run {
public:
    explicit Batch_run(const Batch_options &o)
        : options_(o), board_(options_, [this](const QString &text) { console_.error(text); })
    {
        console_.quiet = o.quiet || o.progress_channel;
    }

    int run()
    {
        platform::set_settings_read_only(true);
        platform::set_message_responder([this](const platform::Message &m) { return answer(m); });
        state::set_status_observer([this](int panel, const QString &text) { status(panel, text); });
        operations::set_progress_observer([this](long total, long current) {
            board_.keep_stopping();
            board_.progress(total, current);
            console_.progress(total, current);
        });
        board_.catch_stop();

        int result = prepare();
        start_trace();
        if (result == batch_ok)
            result = options_.watch ? watch() : run_once();
        board_.release_stop();
        console_.clear_bar();
        operations::Close_port_if_open();
        comm::stop_trace();
        platform::remove_file(image::dump_path());
        state::set_status_observer({});
        operations::set_progress_observer({});
        platform::set_message_responder({});
        return result;
    }

private:
    // One run on the board: the checks that come before anything is sent, the connection,
    // the actions in order, and the run's report.
    int run_once()
    {
        board_.begin();
        int result = options_.serial ? check_serial_targets() : batch_ok;
        if (result == batch_ok)
            result = board_.take_serial();
        if (result == batch_ok && !board_.interrupted()) {
            result = connect_board();
            board_.connected(platform::port().is_open());
        }
        for (const Batch_action &action : options_.actions) {
            if (result != batch_ok)
                break;
            if (board_.interrupted())
                result = batch_link_failed;
            else
                result = perform(action);
        }
        operations::Close_port_if_open();
        return board_.end(result, console_.last_error);
    }

    // Every Program image, with the --fuse/--fusex words before it, must leave room for the
    // serial number; nothing has been sent yet.
    int check_serial_targets()
    {
        const bool quiet = console_.quiet;
        console_.quiet = true;  // the run itself shows the files' warnings
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
        console_.quiet = quiet;
        return result;
    }

    // Runs again every time the program file has a new complete version, until stopped.
    int watch()
    {
        const auto program = std::find_if(options_.actions.begin(), options_.actions.end(),
                                          [](const Batch_action &a) { return a.kind == Batch_action::program; });
        Watched_file file(program->value);
        int result = batch_ok;
        for (int run = 1; !board_.interrupted();) {
            if (const QString problem = hex_file_problem(program->value); !problem.isEmpty()) {
                console_.error(QCoreApplication::translate("shell", "%1; waiting for the file to change").arg(problem));
            } else {
                result = run_once();
                if (!progress_channel_open())
                    console_.line(QCoreApplication::translate("shell", "run %1: %2").arg(run).arg(run_summary(board_.report())));
                ++run;
            }
            if (progress_channel_open())
                send_on_channel("state", QStringLiteral("waiting"));
            if (!file.wait_for_new_version([this] { return board_.interrupted(); }))
                break;
        }
        return result;
    }

    platform::Answer answer(const platform::Message &m)
    {
        boxes_.push_back(m);
        // Notices and warnings are news, not errors.
        if (!console_.quiet || m.icon == platform::Icon::critical || m.icon == platform::Icon::information)
            console_.line(QStringLiteral("[%1] %2").arg(m.title, one_line(m.text)));
        return m.buttons == platform::Buttons::yes_no ? platform::Answer::yes : platform::Answer::ok;
    }

    void status(int panel, const QString &text)
    {
        if (console_.quiet || panel == 2 || text.isEmpty())
            return;
        console_.line(text);
    }

    // A trace file that cannot be written is reported; the run goes on without it.
    void start_trace()
    {
        if (!options_.trace)
            return;
        if (const QString reason = comm::start_trace(*options_.trace); !reason.isEmpty())
            console_.error(QCoreApplication::translate("shell", "cannot write the trace to %1: %2")
                               .arg(*options_.trace, reason));
    }

    int prepare()
    {
        state::FrmMain &w = state::frmMain();
        fuse::connect_panel_handlers();
        fuse::Combo_init();
        image::Clear_image();
        bool ok = false;
        int pins = platform::get_setting(QStringLiteral("Pin_mode"), QStringLiteral("18")).toInt(&ok);
        state::Pin_mode = int16_t(options_.pins.value_or(ok && (pins == 18 || pins == 28) ? pins : 18));
        int rev = platform::get_setting(QStringLiteral("Rev_mode"), QStringLiteral("1")).toInt(&ok);
        state::Rev_mode = int16_t(options_.rev.value_or(ok && (rev == 0 || rev == 1) ? rev : 1));
        fuse::apply_revision_layout(state::Rev_mode);
        w.Text_pgm_wait->setText(options_.wait ? QString::number(*options_.wait) : fuse::stored_pgm_wait(state::Rev_mode));
        // The word labels are the master copy of FUSE and FUSEX, as on the command tab.
        w.SSTab1->setCurrentIndex(2);
        return batch_ok;
    }

    int connect_board()
    {
        QString port = options_.port.value_or(QString());
        if (port.isEmpty()) {
            bool ok = false;
            const int n = platform::get_setting(QStringLiteral("ComNo"), QStringLiteral("0")).toInt(&ok);
            if (!ok || n < 1 || n > 9) {
                console_.error(Tr::tr("no port chosen: give --port COMn, a device or auto"));
                return batch_bad_input;
            }
            port = QStringLiteral("COM%1").arg(n);
        }
        QString device = port;
        if (port.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0) {
            const Auto_port found = find_board_port();
            if (found.status != batch_ok) {
                console_.error(found.report.join('\n'));
                return found.status;
            }
            if (!console_.quiet)
                console_.line(found.report.join('\n'));
            device = found.device;
        } else if (port.size() == 4 && port.startsWith(QLatin1String("COM"), Qt::CaseInsensitive) && port[3].isDigit()) {
            device = platform::com_device(port[3].digitValue());
            if (device.isEmpty()) {
                console_.error(Tr::tr("%1 names no serial device").arg(port));
                return batch_link_failed;
            }
        }
        auto &p = platform::port();
        try {
            p.set_device(device);
            p.open();
        } catch (const platform::Port_fault &fault) {
            console_.error(Tr::tr("cannot open %1: %2").arg(device, fault.reason));
            return batch_link_failed;
        }
        const comm::Identification id = comm::identify_board();
        if (id.outcome != comm::Identification::identified) {
            console_.error(id.outcome == comm::Identification::no_answer
                               ? Tr::tr("the programmer on %1 does not answer").arg(device)
                               : Tr::tr("the device on %1 is not the programmer (it answered '%2')")
                                     .arg(device, QString::fromLatin1(id.reply).trimmed()));
            return batch_link_failed;
        }
        identification_ = id.line();
        return batch_ok;
    }

    // Loads a HEX file as the Open command does, then applies the --fuse/--fusex words.
    int load(const QString &path)
    {
        if (!image::File_exists(path)) {
            console_.error(Tr::tr("cannot read %1").arg(path));
            return batch_bad_input;
        }
        state::Set_status_text(1, QString());
        state::Open_file_name = path;
        if (!image::Import_hex()) {
            console_.error(state::status_text(1).isEmpty() ? Tr::tr("%1 could not be read completely").arg(path)
                                                           : Tr::tr("%1 is not an Intel HEX file").arg(path));
            return batch_bad_input;
        }
        apply_word_overrides();
        board_.image_loaded(path);
        return batch_ok;
    }

    void apply_word_overrides()
    {
        state::FrmMain &w = state::frmMain();
        if (fuse_) {
            w.Label_fuse_word->setText(*fuse_);
            w.Label_fuse_word_bin->setText(image::Hex_to_bin_text(*fuse_));
            fuse::Fuse_word_to_panel();
        }
        if (fusex_) {
            w.Label_fusex_word->setText(*fusex_);
            w.Label_fusex_word_bin->setText(image::Hex_to_bin_text(*fusex_));
            fuse::Fusex_word_to_panel();
        }
    }

    // What an operation left behind: an abort, differences, or success.
    int outcome(size_t boxes_before) const
    {
        if (state::Link.comxx_error != 0)
            return batch_link_failed;
        for (size_t i = boxes_before; i < boxes_.size(); ++i)
            if (boxes_[i].title == QCoreApplication::translate("operations", "ベリファイ結果"))
                return batch_differences;
        return batch_ok;
    }

    int perform(const Batch_action &action)
    {
        const size_t before = boxes_.size();
        board_.action_started(action_name(action.kind));
        switch (action.kind) {
        case Batch_action::identify:
            if (progress_channel_open()) {
                send_on_channel("output", identification_);
                return batch_ok;
            }
            std::printf("%s\n", identification_.toUtf8().constData());
            std::fflush(stdout);
            return batch_ok;
        case Batch_action::erase:
            operations::Command_erase_click();
            return outcome(before);
        case Batch_action::program:
            if (const int r = load(action.value))
                return r;
            operations::Command_program_click();
            return board_.program_done(outcome(before));
        case Batch_action::verify:
            if (const int r = load(action.value))
                return r;
            operations::Command_verify_click();
            return outcome(before);
        case Batch_action::read: {
            operations::Command_read_click();
            if (const int r = outcome(before))
                return r;
            state::Save_file_name = action.value;
            if (!image::Export_hex()) {
                console_.error(Tr::tr("cannot write %1: %2").arg(action.value, state::status_text(3)));
                return batch_bad_input;
            }
            state::Set_status_text(3, QCoreApplication::translate("image", "ファイル保存完了。"));
            return batch_ok;
        }
        case Batch_action::fuse:
        case Batch_action::fusex: {
            QString digits = action.value;
            if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
                digits = digits.mid(2);
            const QString word = image::Num_to_hex4(digits.toInt(nullptr, 16));
            (action.kind == Batch_action::fuse ? fuse_ : fusex_) = word;
            apply_word_overrides();
            return batch_ok;
        }
        }
        return batch_ok;
    }

    static QString action_name(Batch_action::Kind kind)
    {
        static const char *const names[] = {"identify", "erase", "program", "verify", "read", "fuse", "fusex"};
        return QLatin1String(names[kind]);
    }

    const Batch_options options_;
    Console console_;
    Board_run board_;
    std::vector<platform::Message> boxes_;
    QString identification_;
    std::optional<QString> fuse_, fusex_;
};

} // namespace

int run_batch(const QStringList &args)
{
    const Batch_parse parsed = parse_batch_arguments(args);
    if (parsed.help) {
        std::fputs(batch_usage().toUtf8().constData(), stdout);
        return batch_ok;
    }
    if (!parsed.error.isEmpty()) {
        std::fprintf(stderr, "qorvil: %s\nTry 'qorvil --batch --help'.\n", parsed.error.toUtf8().constData());
        return batch_bad_input;
    }
    if (several_boards(parsed.options))
        return run_gang(parsed.options, args);
    if (parsed.options.progress_channel)
        open_progress_channel();
    return Batch_run(parsed.options).run();
}

} // namespace shell
