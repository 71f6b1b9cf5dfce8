#include "batch/batch.h"

#include "batch/batch_run.h"
#include "batch/console.h"
#include "batch/gang.h"
#include "batch/tr.h"
#include "platform/settings.h"
#include "platform/stop_signals.h"
#include "session/session.h"

#include <cstdio>

namespace batch {
namespace {

// One board, on this thread: Ctrl-C, SIGTERM, SIGHUP and a closed output stop the running
// operation through its abort path.
int run_one_board(const Batch_options &options)
{
    session::Session s;
    s.stop_signal = &platform::stop_signalled();
    Console console(options.quiet, options.watch);
    Batch_run run(options, s, console, options.quiet);
    console.out.closed = [&run] { run.request_stop(); };
    platform::catch_stop_signals([&run] { run.request_stop(); });
    const int status = run.run();
    platform::release_stop_signals();
    return status;
}

// --serial-free and --serial-used: pending numbers put back by hand, without a board.
int release_serials(const Batch_options &options)
{
    for (const auto &[number, used] : options.releases) {
        const QString problem = change_serial_file(*options.serial_file, 0, [number = number, used = used](Serial_pool &pool) {
            return settle_serial(pool, number, used) ? QString() : Tr::tr("%1 is not pending").arg(number);
        });
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "qorvil: %s\n",
                         qPrintable(Tr::tr("serial numbers in %1: %2").arg(*options.serial_file, problem)));
            return batch_bad_input;
        }
        std::fprintf(stderr, "%s\n",
                     qPrintable(used ? Tr::tr("serial number %1 is in a chip").arg(number)
                                     : Tr::tr("serial number %1 is free again").arg(number)));
    }
    return batch_ok;
}

} // namespace

int run_batch(const Command_line &command_line)
{
    if (command_line.help) {
        std::fputs(batch_usage().toUtf8().constData(), stdout);
        return batch_ok;
    }
    if (!command_line.error.isEmpty()) {
        std::fprintf(stderr, "qorvil: %s\nTry 'qorvil --batch --help'.\n", command_line.error.toUtf8().constData());
        return batch_bad_input;
    }
    platform::set_settings_read_only(true);  // batch mode saves nothing
    const Batch_options &options = command_line.options;
    if (!options.releases.empty())
        return release_serials(options);
    return several_boards(options) ? run_gang(options) : run_one_board(options);
}

} // namespace batch
