#include "batch/gang_display.h"
#include "batch/tr.h"

#include "platform/terminal.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>

namespace batch {

Gang_display::Gang_display(const QStringList &ports, bool terminal, bool quiet)
    : ports_(ports), terminal_(terminal), quiet_(quiet)
{
    for (int i = 0; i < ports.size(); ++i)
        steps_ << QString();
    // A terminal is redrawn at most ten times a second, however busy the boards are.
    redraw_.setSingleShot(true);
    redraw_.setInterval(100);
    redraw_.callOnTimeout([this] { redraw(); });
}

void Gang_display::write(const QString &text) { out.write(stderr, text); }

void Gang_display::output(int board, const QString &text) { out.write(stdout, prefixed(board, text) + '\n'); }

QString Gang_display::prefixed(int board, const QString &text) const
{
    return board < 0 ? text : ports_[board] + QStringLiteral(": ") + text;
}

void Gang_display::show(int board, const QString &step)
{
    if (quiet_ || steps_[board] == step)
        return;
    steps_[board] = step;
    if (!terminal_)
        write(prefixed(board, step) + '\n');
    else if (!redraw_.isActive())
        redraw_.start();
}

void Gang_display::note(int board, const QString &text)
{
    lift_block();
    write(prefixed(board, text) + '\n');
    if (terminal_ && !quiet_)
        redraw();
}

void Gang_display::finished(int board, const QString &summary)
{
    if (quiet_)
        return;
    steps_[board] = summary;
    note(board, summary);
}

void Gang_display::close()
{
    if (terminal_ && !quiet_)
        redraw();
    redraw_.stop();
    drawn_ = 0;
}

// Moves the cursor back to the block's first line and clears from there.
void Gang_display::lift_block()
{
    if (drawn_ > 0)
        write(QStringLiteral("\033[%1A\r\033[J").arg(drawn_));
    drawn_ = 0;
}

void Gang_display::redraw()
{
    const int columns = platform::error_terminal_columns() - 1;
    int width = 0;
    for (const QString &p : ports_)
        width = std::max(width, int(p.size()));
    QString block = drawn_ > 0 ? QStringLiteral("\033[%1A").arg(drawn_) : QString();
    for (int i = 0; i < ports_.size(); ++i)
        block += QStringLiteral("\r\033[K") + (ports_[i].leftJustified(width) + QStringLiteral("  ") + steps_[i]).left(columns)
                 + '\n';
    write(block);
    drawn_ = int(ports_.size());
}

QString result_table(const std::vector<Table_row> &rows)
{
    std::vector<QStringList> cells{{Tr::tr("port"),
                                    Tr::tr("device"),
                                    Tr::tr("result"),
                                    Tr::tr("elapsed")}};
    for (const Table_row &r : rows)
        cells.push_back({r.port, r.device.isEmpty() ? QStringLiteral("-") : r.device, r.result,
                         r.milliseconds < 0 ? QStringLiteral("-")
                                            : QString::number(double(r.milliseconds) / 1000.0, 'f', 1) + QStringLiteral(" s")});
    int widths[4] = {};
    for (const QStringList &line : cells)
        for (int c = 0; c < 4; ++c)
            widths[c] = std::max(widths[c], int(line[c].size()));
    QString out;
    for (const QStringList &line : cells)
        out += line[0].leftJustified(widths[0]) + QStringLiteral("  ") + line[1].leftJustified(widths[1])
               + QStringLiteral("  ") + line[2].leftJustified(widths[2]) + QStringLiteral("  ")
               + line[3].rightJustified(widths[3]) + '\n';
    return out;
}

} // namespace batch
