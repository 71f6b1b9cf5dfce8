// qorvil-board-sim: the programmer board, simulated on a pseudo-terminal.
// Prints the terminal device path as the first line on standard output.

#include "board_model.h"
#include "board_options.h"
#include "device_link.h"
#include "initial_chip.h"
#include "pty_device.h"
#include "pty_server.h"
#include "state_file.h"
#include "stop_signals.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#ifndef QORVIL_SIM_VERSION
#define QORVIL_SIM_VERSION "0.0"
#endif

namespace {

const char program_name[] = "qorvil-board-sim";

int fail(const std::string& message)
{
    std::fprintf(stderr, "%s: %s\n", program_name, message.c_str());
    return 1;
}

struct File_closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, File_closer>;

}  // namespace

int main(int argc, char** argv)
{
    const sim::Parse_result parsed =
        sim::parse_board_options(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.ok()) {
        std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", program_name, parsed.error.c_str(),
                     program_name);
        return 2;
    }
    if (parsed.help) {
        std::fputs(sim::usage_text(program_name).c_str(), stdout);
        return 0;
    }
    if (parsed.version) {
        std::printf("%s %s\n", program_name, QORVIL_SIM_VERSION);
        return 0;
    }
    const sim::Board_options& options = parsed.options;

    std::string error;
    const std::optional<sim::Chip> chip = sim::initial_chip(options, error);
    if (!chip)
        return fail(error);
    sim::Board_model model(options);
    model.set_chip(*chip);

    File log;
    if (!options.log_path.empty()) {
        log.reset(std::fopen(options.log_path.c_str(), "w"));
        if (!log)
            return fail("cannot open log file " + options.log_path);
        model.set_log_sink([file = log.get()](const std::string& line) {
            std::fprintf(file, "%s\n", line.c_str());
            std::fflush(file);
        });
    }

    sim::Stop_signals stop_signals;
    if (!stop_signals.install(error))
        return fail(error);

    sim::Pty_device device;
    if (!device.open(error))
        return fail(error);
    const std::string device_path = device.slave_path();
    if (!options.link_path.empty() && !sim::make_device_link(options.link_path, device_path, error))
        return fail(error);

    std::printf("%s\n", device_path.c_str());
    std::fflush(stdout);

    sim::Server_config config;
    config.state_path = options.state_path;
    config.exit_with_parent = options.exit_with_parent;
    config.parent_pid = options.parent_pid;
    config.adapter_latency_s = options.adapter_latency_ms / 1000.0;
    sim::Pty_server server(model, device, stop_signals.fd(), config);
    const sim::Stop_reason reason = server.run();

    device.close();
    if (!options.link_path.empty())
        sim::remove_device_link(options.link_path, device_path);
    int status = 0;
    if (!options.state_path.empty() && !sim::save_state_file(options.state_path, model.chip(), error))
        status = fail(error);
    if (reason == sim::Stop_reason::failed)
        status = fail(server.error());
    return status;
}
