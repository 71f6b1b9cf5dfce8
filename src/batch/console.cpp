#include "batch/console.h"

#include "batch/tr.h"
#include "platform/terminal.h"

#include <cstdio>

namespace batch {

Console::Console(bool quiet, bool watch) : quiet_(quiet), watch_(watch), tty_(platform::error_is_terminal()) {}

Console::~Console() { clear_bar(); }

void Console::line(const QString &text)
{
    clear_bar();
    out.write(stderr, text + '\n');
}

void Console::output(const QString &text) { out.write(stdout, text + '\n'); }

void Console::progress(long total, long current, const QString &activity)
{
    if (quiet_ || !tty_)
        return;
    if (total < 0) {
        clear_bar();
        return;
    }
    const int percent = total > 0 ? int(100 * current / total) : 100;
    const int width = 40;
    const int filled = percent * width / 100;
    out.write(stderr, QStringLiteral("\r[%1%2] %3% %4")
                      .arg(QString(filled, '#'), QString(width - filled, '.'))
                      .arg(percent, 3)
                      .arg(activity));
    bar_shown_ = true;
}

// In watch mode every run ends with a line of its own.
void Console::result(const Run_report &report)
{
    if (watch_)
        line(Tr::tr("run %1: %2").arg(++runs_).arg(run_summary(report)));
}

void Console::clear_bar()
{
    if (!bar_shown_)
        return;
    bar_shown_ = false;
    out.write(stderr, QStringLiteral("\r\033[K"));
}

} // namespace batch
