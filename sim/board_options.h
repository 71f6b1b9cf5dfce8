// Command-line options of the simulated board, shared by the program and
// the tests.
#pragma once

#include "chip.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

enum class Timing_mode {
    instant,  // replies are due at once
    real      // 19200-baud byte times and programming pulses are simulated
};

struct Board_options {
    // Board and chip
    int pins = 18;                                  // package mode at power-on: 18 or 28
    Chip_revision revision = Chip_revision::a_revision;
    std::string firmware = "V1.02";                 // padded or cut to 5 characters when sent
    std::uint16_t device = 0x0FFE;                  // read-only DEVICE word
    int sync = 200;                                 // sync width count in the "9" reply, 0-255
    int min_wait = 0;                               // shorter programming pulses take only in part
    bool code_protected = false;                    // code protection, on at the start, hides the words
    Timing_mode timing = Timing_mode::instant;
    int adapter_latency_ms = 0;                     // replies held back as by a USB adapter's timer

    // Files
    std::string load_hex_path;  // Intel HEX image the chip starts with
    std::string state_path;     // chip contents kept across runs
    std::string log_path;       // one line per command
    std::string link_path;      // symlink to the terminal device

    // Fault injection
    std::optional<long> silent_after;   // answer only the first N commands
    std::string silent_commands;        // command characters that are never answered
    int late_ms = 0;                    // every reply is this much late
    bool extra_bytes = false;           // every reply carries two extra bytes
    bool wrong_id = false;              // identification text is not "QORVIL"
    bool short_id = false;              // version reply of only 10 bytes
    bool garbage_reads = false;         // "6" replies carry a wrong word
    std::optional<long> hangup_after;   // the device goes away after N commands

    // Process
    bool exit_with_parent = false;  // exit when the parent process goes away
    long parent_pid = 0;            // exit when this process goes away (0 = off)
};

struct Parse_result {
    Board_options options;
    bool help = false;     // --help was given
    bool version = false;  // --version was given
    std::string error;     // empty when the arguments were accepted

    bool ok() const { return error.empty(); }
};

// Parses the arguments that follow the program name.  Options take their
// value as the next argument or after '=' ("--pins 28", "--pins=28").
Parse_result parse_board_options(const std::vector<std::string>& args);

// Text printed by --help.
std::string usage_text(std::string_view program_name);

}  // namespace sim
