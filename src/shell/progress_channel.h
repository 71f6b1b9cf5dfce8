#pragma once
// How a board's batch process tells the gang supervisor what it does: one line per
// message on its standard output, a keyword, a blank and the rest.
//
//   device /dev/ttyUSB0             the serial device the port stands for
//   state connecting                a step without a percentage
//   progress program 45             a phase and its percentage, in steps of 5
//   note <text>                     a line for the user (errors, the board's reports)
//   output <text>                   what batch mode prints on standard output (--identify)
//   result 0 12345 1001 ok          one run's end: exit status, milliseconds, serial
//                                   number ("-" for none), result text

#include <QByteArray>
#include <QString>
#include <optional>

namespace shell {

// Turns the channel on: from now on batch mode reports through it.
void open_progress_channel();
bool progress_channel_open();
void send_on_channel(const char *keyword, const QString &text);

struct Channel_line {
    QString keyword, text;
};
Channel_line parse_channel_line(const QByteArray &line);

struct Run_report {
    int status = 0;
    qint64 milliseconds = 0;
    QString serial;  // empty for none
    QString result;
};
QString format_run_report(const Run_report &report);
std::optional<Run_report> parse_run_report(const QString &text);

// "ok, serial 1001, 12.3 s": how a run's end reads for the user.
QString run_summary(const Run_report &report);

} // namespace shell
