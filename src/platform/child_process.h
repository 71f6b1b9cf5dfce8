#pragma once
// Another copy of this program, started with its own arguments; what it writes comes back
// line by line on the event loop.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

class Child_process {
public:
    // `on_line` gets every line of standard output (without its line end), `on_error_line`
    // those of standard error; `on_end` runs once when the process has ended: its exit
    // status, or -1 when it could not start or was ended by a signal.
    Child_process(std::function<void(const QByteArray &)> on_line, std::function<void(const QByteArray &)> on_error_line,
                  std::function<void(int status)> on_end);
    ~Child_process();  // waits for a process still running
    Child_process(const Child_process &) = delete;
    Child_process &operator=(const Child_process &) = delete;

    // Starts this program with `args`; `environment` adds or replaces variables.
    void start(const QStringList &args, const QStringList &environment = {});
    // Asks the process to stop (SIGTERM); it ends in its own time.
    void ask_to_stop();
    bool running() const;

private:
    void take(QProcess::ProcessChannel channel);
    QProcess process_;
    std::function<void(const QByteArray &)> on_line_, on_error_line_;
    std::function<void(int)> on_end_;
    bool ended_ = false;
};

} // namespace platform
