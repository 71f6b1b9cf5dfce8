#pragma once
// Gang programming: the same batch actions on several boards at once. The device operations
// work on the program-wide state, one board at a time, so every board gets a batch process
// of its own (this program, started again with one port and a progress channel); this
// process only supervises them: it starts them, shows their progress and results, passes
// Ctrl-C on so that each stops through its abort path, and sums up.

#include <QStringList>

namespace shell {

struct Batch_options;

// Runs the gang for `options` (which name several ports, or all); `args` are the batch
// arguments as given. Returns the exit status: 0 when every board succeeded, else the
// worst of the boards' statuses.
int run_gang(const Batch_options &options, const QStringList &args);

// The arguments of one board's process: `args` without the port and trace options, then the
// board's port, the progress channel and the board's own trace file (when `trace` is set).
QStringList board_arguments(const QStringList &args, const QString &port, const QString &trace);

// The board's trace file in the trace folder: the port name with everything but letters
// and digits made "_", and ".trace" ("/dev/ttyUSB0" gives "dev_ttyUSB0.trace").
QString board_trace_file(const QString &folder, const QString &port);

} // namespace shell
