#include "batch/gang.h"

#include "batch/auto_port.h"
#include "batch/batch.h"
#include "batch/batch_run.h"
#include "batch/gang_display.h"
#include "batch/tr.h"
#include "platform/stop_signals.h"
#include "platform/terminal.h"
#include "session/session.h"

#include <QDir>
#include <QFileInfo>
#include <QEventLoop>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

namespace batch {
namespace {

struct Board {
    QString port, device;
    Batch_options options;
    std::unique_ptr<session::Session> session;
    std::unique_ptr<QThread> thread;
    std::optional<Run_report> last;  // the last run's report
    int runs = 0;
    int exit_status = -1;
    bool ended = false;
};

class Gang;

// What a board's thread has to say, handed to the gang on the main thread.
class Gang_output final : public Board_output {
public:
    Gang_output(Gang &gang, int board) : gang_(gang), board_(board) {}
    void line(const QString &text) override;
    void output(const QString &text) override;
    void state(const QString &step) override;
    void percent(const QString &phase, int step) override;
    void device(const QString &device) override;
    void result(const Run_report &report) override;

private:
    void post(std::function<void(Gang &, int)> message);
    Gang &gang_;
    int board_;
};

class Gang {
public:
    explicit Gang(const Batch_options &options) : options_(options) {}

    int run()
    {
        platform::catch_stop_signals([this] { stop(); });
        const int status = run_boards();
        platform::release_stop_signals();
        return status;
    }

    // The messages of the boards, on the main thread.
    void note(int i, QString text)
    {
        static const QRegularExpression blanks(QStringLiteral("[ \t]+"));
        text.replace('\n', ' ').replace('\r', ' ');
        text = text.trimmed().replace(blanks, QStringLiteral(" "));
        if (text.startsWith(QLatin1String("qorvil: ")))
            text.remove(0, 8);
        display_->note(i, text);
    }
    void output(int i, const QString &text)
    {
        display_->output(i, text);
    }
    void state(int i, const QString &step)
    {
        display_->show(i, step == QLatin1String("waiting") ? Tr::tr("waiting for a new version of the file") : step);
    }
    void percent(int i, const QString &phase, int step) { display_->show(i, phase + ' ' + QString::number(step) + QStringLiteral(" %")); }
    void device(int i, const QString &device) { boards_[size_t(i)]->device = device; }
    void result(int i, const Run_report &r)
    {
        Board &b = *boards_[size_t(i)];
        b.last = r;
        ++b.runs;
        display_->finished(i, options_.watch ? Tr::tr("run %1: %2").arg(b.runs).arg(run_summary(r)) : run_summary(r));
    }
    void ended(int i, int status)
    {
        Board &b = *boards_[size_t(i)];
        b.ended = true;
        b.exit_status = status;
        if (all_ended())
            loop_.quit();
    }

    QObject context;  // where the boards' messages are handed over, on the main thread

private:
    void say(const QString &text) { std::fputs((QStringLiteral("qorvil: ") + text + '\n').toUtf8().constData(), stderr); }

    int run_boards()
    {
        QStringList ports = options_.ports;
        if (ports.size() == 1) {  // --port all
            const All_ports all = find_all_board_ports();
            if (all.status != batch_ok) {
                for (const QString &line : all.report)
                    say(line);
                return all.status;
            }
            if (!options_.quiet)
                say(all.report.first());
            ports = all.names;
            if (options_.boards && ports.size() < *options_.boards) {
                say(Tr::tr("found %1 of the %2 boards expected").arg(ports.size()).arg(*options_.boards));
                return batch_link_failed;
            }
        }
        if (stopping_) {
            say(Tr::tr("stopped before any board was started"));
            return batch_link_failed;
        }
        if (options_.trace && !QDir().mkpath(*options_.trace)) {
            say(Tr::tr("cannot create the trace folder %1").arg(*options_.trace));
            return batch_bad_input;
        }
        for (const QString &port : ports) {
            boards_.push_back(std::make_unique<Board>());
            Board &b = *boards_.back();
            b.port = port;
            b.session = std::make_unique<session::Session>();
            b.session->stop_signal = &platform::stop_signalled();
            b.options = board_options(port);
            // What every board reads and writes must be right before any board is touched.
            if (const QString problem = file_problem(b.options); !problem.isEmpty()) {
                say(problem);
                return batch_bad_input;
            }
        }
        display_ = std::make_unique<Gang_display>(ports, platform::error_is_terminal(), options_.quiet);
        display_->out.closed = [this] { stop(); };
        for (size_t i = 0; i < boards_.size(); ++i)
            start(int(i));
        if (!all_ended())
            loop_.exec();
        for (const auto &b : boards_)
            b->thread->wait();
        display_->close();
        return sum_up();
    }

    // A board's own options: its port, its trace file, its files read back.
    Batch_options board_options(const QString &port) const
    {
        Batch_options o = options_;
        o.port = port;
        o.ports = QStringList{port};
        if (options_.trace)
            o.trace = board_trace_file(*options_.trace, port);
        for (Batch_action &a : o.actions)
            if (a.kind == Batch_action::read)
                a.value = board_file(a.value, port);
        return o;
    }

    void start(int i)
    {
        Board &b = *boards_[size_t(i)];
        session::Session *s = b.session.get();
        b.thread.reset(QThread::create([this, i, o = b.options, s] {
            Gang_output out(*this, i);
            int status = batch_link_failed;
            {
                Batch_run run(o, *s, out, true);
                status = run.run();
            }
            s->set_port(nullptr);  // the port goes with the thread that used it
            QMetaObject::invokeMethod(&context, [this, i, status] { ended(i, status); }, Qt::QueuedConnection);
        }));
        b.thread->start();
    }

    bool all_ended() const
    {
        return std::all_of(boards_.begin(), boards_.end(), [](const auto &b) { return b->ended; });
    }

    // Every board is asked to stop; each one aborts its operation and reports.
    void stop()
    {
        if (!stopping_ && display_)
            display_->note(-1, Tr::tr("stopping every board …"));
        stopping_ = true;
        for (size_t i = 0; i < boards_.size(); ++i) {
            Board &b = *boards_[i];
            if (!b.ended && !b.session->stop_requested)
                display_->note(int(i), Tr::tr("stopping: a running operation ends through its abort path"));
            b.session->stop_requested = true;
        }
    }

    int sum_up()
    {
        std::vector<Table_row> rows;
        int worst = batch_ok;
        for (const auto &b : boards_) {
            Table_row row{b->port, b->device, {}, -1};
            int status = b->exit_status;
            if (b->last) {
                row.result = b->last->result;
                row.milliseconds = b->last->milliseconds;
            } else {
                row.result = Tr::tr("no result: the board's run ended early");
            }
            if (status < 0 || (status == batch_ok && !b->last))
                status = batch_link_failed;
            worst = std::max(worst, status);
            rows.push_back(row);
        }
        if (!options_.quiet)
            std::fputs(('\n' + result_table(rows)).toUtf8().constData(), stderr);
        return worst;
    }

    const Batch_options &options_;
    std::vector<std::unique_ptr<Board>> boards_;
    std::unique_ptr<Gang_display> display_;
    QEventLoop loop_;
    bool stopping_ = false;
};

void Gang_output::post(std::function<void(Gang &, int)> message)
{
    QMetaObject::invokeMethod(
        &gang_.context, [gang = &gang_, board = board_, message = std::move(message)] { message(*gang, board); },
        Qt::QueuedConnection);
}

void Gang_output::line(const QString &text) { post([text](Gang &g, int i) { g.note(i, text); }); }
void Gang_output::output(const QString &text) { post([text](Gang &g, int i) { g.output(i, text); }); }
void Gang_output::state(const QString &step) { post([step](Gang &g, int i) { g.state(i, step); }); }
void Gang_output::percent(const QString &phase, int step)
{
    post([phase, step](Gang &g, int i) { g.percent(i, phase, step); });
}
void Gang_output::device(const QString &device) { post([device](Gang &g, int i) { g.device(i, device); }); }
void Gang_output::result(const Run_report &report) { post([report](Gang &g, int i) { g.result(i, report); }); }

} // namespace

QString board_name(const QString &port)
{
    QString name;
    for (const char c : port.toUtf8()) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            name += QLatin1Char(c);
        else if (c == '/')
            name += name.isEmpty() ? QString() : QStringLiteral("_");
        else
            name += QStringLiteral("-%1").arg(uint(uchar(c)), 2, 16, QLatin1Char('0')).toUpper();
    }
    return name;
}

QString board_trace_file(const QString &folder, const QString &port)
{
    return QDir(folder).filePath(board_name(port) + QStringLiteral(".trace"));
}

QString board_file(const QString &path, const QString &port)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : '.' + info.suffix();
    return QDir(info.path()).filePath(info.completeBaseName() + '-' + board_name(port) + suffix);
}

int run_gang(const Batch_options &options) { return Gang(options).run(); }

} // namespace batch
