#pragma once
// What the gang supervisor shows on standard error. Without a terminal: one line per board
// and change, prefixed with the port ("COM3: program 45 %"). On a terminal: one line per
// board that is rewritten in place, with notes and results printed above them.

#include "batch/stream_writer.h"

#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

namespace batch {

class Gang_display {
public:
    Gang_display(const QStringList &ports, bool terminal, bool quiet);

    // The board's current step ("connecting", "program 45 %").
    void show(int board, const QString &step);
    // A line that stays ("COM3: [error] …"); `board` -1 for the gang as a whole.
    void note(int board, const QString &text);
    // The end of one of the board's runs: a line that stays, and the board's step.
    void finished(int board, const QString &summary);
    // The last state of every board; the block is left behind.
    void close();

    // What a board's run prints on standard output, prefixed with its port.
    void output(int board, const QString &text);

    // Told once when standard output or standard error has been closed.
    Stream_writer out;

private:
    void write(const QString &text);
    QString prefixed(int board, const QString &text) const;
    void redraw();
    void lift_block();

    QStringList ports_, steps_;
    bool terminal_, quiet_;
    int drawn_ = 0;  // lines of the block on screen
    QTimer redraw_;
};

struct Table_row {
    QString port, device, result;
    qint64 milliseconds = -1;  // -1: no time
};

// The final table: a header line and one line per board, in aligned columns.
QString result_table(const std::vector<Table_row> &rows);

} // namespace batch
