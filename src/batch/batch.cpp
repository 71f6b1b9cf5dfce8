#include "batch/batch.h"

#include "batch/batch_run.h"
#include "batch/console.h"
#include "batch/gang.h"
#include "platform/settings.h"
#include "platform/stop_signals.h"
#include "session/session.h"

#include <cstdio>

namespace batch {
namespace {

// One board, on this thread: Ctrl-C and SIGTERM stop the running operation through its
// abort path.
int run_one_board(const Batch_options &options)
{
    session::Session s;
    Console console(options.quiet, options.watch);
    Batch_run run(options, s, console, options.quiet);
    platform::catch_stop_signals([&run] { run.request_stop(); });
    const int status = run.run();
    platform::release_stop_signals();
    return status;
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
    return several_boards(options) ? run_gang(options) : run_one_board(options);
}

} // namespace batch
