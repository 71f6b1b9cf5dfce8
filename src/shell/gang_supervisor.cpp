#include "shell/gang_supervisor.h"

#include "platform/child_process.h"
#include "platform/stop_signals.h"
#include "platform/terminal.h"
#include "shell/batch.h"
#include "shell/batch_auto_port.h"
#include "shell/batch_options.h"
#include "shell/gang_display.h"
#include "shell/progress_channel.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

namespace shell {
namespace {

struct Board {
    QString port, device;
    std::unique_ptr<platform::Child_process> process;
    std::optional<Run_report> last;  // the last run's report
    int runs = 0;
    int exit_status = -1;
    bool ended = false;
};

class Supervisor {
public:
    Supervisor(const Batch_options &options, const QStringList &args) : options_(options), args_(args) {}

    int run()
    {
        platform::catch_stop_signals([this] { stop(); });
        const int status = run_boards();
        platform::release_stop_signals();
        return status;
    }

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
        }
        if (stopping_) {
            say(QCoreApplication::translate("shell", "stopped before any board was started"));
            return batch_link_failed;
        }
        if (options_.trace && !QDir().mkpath(*options_.trace)) {
            say(QCoreApplication::translate("shell", "cannot create the trace folder %1").arg(*options_.trace));
            return batch_bad_input;
        }
        display_ = std::make_unique<Gang_display>(ports, platform::error_is_terminal(), options_.quiet);
        for (int i = 0; i < ports.size(); ++i)
            start(i, ports[i]);
        if (!all_ended())
            loop_.exec();
        display_->close();
        return sum_up();
    }

    void start(int i, const QString &port)
    {
        boards_.push_back(std::make_unique<Board>());
        Board &b = *boards_.back();
        b.port = port;
        b.process = std::make_unique<platform::Child_process>(
            [this, i](const QByteArray &line) { take(i, parse_channel_line(line)); },
            [this, i](const QByteArray &line) { display_->note(i, QString::fromUtf8(line)); },
            [this, i](int status) { ended(i, status); });
        const QString work = work_.path() + '/' + QString::number(i);
        QDir().mkpath(work);
        const QString trace = options_.trace ? board_trace_file(*options_.trace, port) : QString();
        b.process->start(board_arguments(args_, port, trace), {QStringLiteral("QORVIL_WORK_DIR=") + work});
    }

    void take(int i, const Channel_line &m)
    {
        Board &b = *boards_[size_t(i)];
        if (m.keyword == QLatin1String("device")) {
            b.device = m.text;
        } else if (m.keyword == QLatin1String("state")) {
            display_->show(i, m.text == QLatin1String("waiting")
                                  ? QCoreApplication::translate("shell", "waiting for a new version of the file")
                                  : m.text);
        } else if (m.keyword == QLatin1String("progress")) {
            display_->show(i, m.text + QStringLiteral(" %"));
        } else if (m.keyword == QLatin1String("note")) {
            static const QRegularExpression blanks(QStringLiteral("[ \t]+"));
            QString text = m.text.trimmed().replace(blanks, QStringLiteral(" "));
            if (text.startsWith(QLatin1String("qorvil: ")))
                text.remove(0, 8);
            display_->note(i, text);
        } else if (m.keyword == QLatin1String("output")) {
            std::printf("%s: %s\n", qPrintable(b.port), m.text.toUtf8().constData());
            std::fflush(stdout);
        } else if (m.keyword == QLatin1String("result")) {
            if (const std::optional<Run_report> r = parse_run_report(m.text)) {
                b.last = r;
                ++b.runs;
                display_->finished(i, options_.watch ? QCoreApplication::translate("shell", "run %1: %2")
                                                           .arg(b.runs)
                                                           .arg(run_summary(*r))
                                                     : run_summary(*r));
            }
        }
    }

    void ended(int i, int status)
    {
        Board &b = *boards_[size_t(i)];
        b.ended = true;
        b.exit_status = status;
        if (all_ended())
            loop_.quit();
    }

    bool all_ended() const
    {
        return std::all_of(boards_.begin(), boards_.end(), [](const auto &b) { return b->ended; });
    }

    // Every board is asked to stop; each one aborts its operation and reports.
    void stop()
    {
        if (!stopping_ && display_)
            display_->note(-1, QCoreApplication::translate("shell", "stopping every board …"));
        stopping_ = true;
        for (const auto &b : boards_)
            b->process->ask_to_stop();
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
                row.result = QCoreApplication::translate("shell", "no result: the board's process ended early");
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
    const QStringList args_;
    std::vector<std::unique_ptr<Board>> boards_;
    std::unique_ptr<Gang_display> display_;
    QTemporaryDir work_;  // each board's own work folder, for its dump file
    QEventLoop loop_;
    bool stopping_ = false;
};

} // namespace

QStringList board_arguments(const QStringList &args, const QString &port, const QString &trace)
{
    QStringList out{QStringLiteral("--batch")};
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--port") || a == QLatin1String("--ports") || a == QLatin1String("--trace"))
            ++i;
        else if (a != QLatin1String("--batch"))
            out << a;
    }
    out << QStringLiteral("--port") << port << QStringLiteral("--progress-channel");
    if (!trace.isEmpty())
        out << QStringLiteral("--trace") << trace;
    return out;
}

QString board_trace_file(const QString &folder, const QString &port)
{
    static const QRegularExpression other(QStringLiteral("[^A-Za-z0-9]+"));
    QString name = port;
    name.replace(other, QStringLiteral("_"));
    while (name.startsWith('_'))
        name.remove(0, 1);
    return QDir(folder).filePath(name + QStringLiteral(".trace"));
}

int run_gang(const Batch_options &options, const QStringList &args) { return Supervisor(options, args).run(); }

} // namespace shell
