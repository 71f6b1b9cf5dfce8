#pragma once
// `--port auto`: batch mode looks for the board on every port at once.

#include <QString>
#include <QStringList>

namespace comm {
class Trace;
}

namespace batch {

struct Auto_port {
    int status = 0;    // a Batch_exit: ok, link failed (none found), bad input (several found)
    QString device;    // the board's device when exactly one port answered
    QStringList report;  // the port chosen, or a headline and every port's outcome
};

// Probes COM1 to COM9 (as the connection dialog maps them) for the board; every port
// tried gets a line in `trace` when one is given.
Auto_port find_board_port(comm::Trace *trace);

struct All_ports {
    int status = 0;      // ok, or link failed when no port answered
    QStringList names;   // "COM2", … where the programmer answered
    QStringList report;  // a headline, then every port's outcome
};

// Probes COM1 to COM9 for every port with a board (`--port all`).
All_ports find_all_board_ports(comm::Trace *trace = nullptr);

} // namespace batch
