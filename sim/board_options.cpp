#include "board_options.h"

#include <cerrno>
#include <cstdlib>
#include <functional>

namespace sim {

namespace {

bool parse_long(const std::string& text, int base, long& value)
{
    if (text.empty() || text.front() == '-' || text.front() == '+' || text.front() == ' ')
        return false;
    errno = 0;
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, base);
    if (errno != 0 || end == text.c_str() || *end != '\0')
        return false;
    value = parsed;
    return true;
}

bool parse_count(const std::string& text, long low, long high, long& value)
{
    return parse_long(text, 10, value) && value >= low && value <= high;
}

bool parse_hex_word(std::string text, std::uint16_t& word)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.erase(0, 2);
    long value = 0;
    if (text.empty() || text.size() > 4 || !parse_long(text, 16, value) || value > 0x0FFF)
        return false;
    word = static_cast<std::uint16_t>(value);
    return true;
}

// Sets one option from its value; returns an error text, empty on success.
using Value_handler = std::function<std::string(Board_options&, const std::string&)>;
using Flag_handler = std::function<void(Parse_result&)>;

std::string set_count(const std::string& name, const std::string& value, long low, long high,
                      long& target)
{
    if (!parse_count(value, low, high, target))
        return "option " + name + ": '" + value + "' is not a whole number from " +
               std::to_string(low) + " to " + std::to_string(high);
    return {};
}

const std::vector<std::pair<std::string, Value_handler>>& value_options()
{
    static const std::vector<std::pair<std::string, Value_handler>> table = {
        {"--pins",
         [](Board_options& o, const std::string& v) -> std::string {
             if (v == "18" || v == "28") {
                 o.pins = v == "18" ? 18 : 28;
                 return {};
             }
             return "option --pins: '" + v + "' is not 18 or 28";
         }},
        {"--rev",
         [](Board_options& o, const std::string& v) -> std::string {
             if (v == "old") {
                 o.revision = Chip_revision::old_revision;
                 return {};
             }
             if (v == "A" || v == "a") {
                 o.revision = Chip_revision::a_revision;
                 return {};
             }
             return "option --rev: '" + v + "' is not 'old' or 'A'";
         }},
        {"--firmware",
         [](Board_options& o, const std::string& v) -> std::string {
             o.firmware = v;
             return {};
         }},
        {"--device",
         [](Board_options& o, const std::string& v) -> std::string {
             if (!parse_hex_word(v, o.device))
                 return "option --device: '" + v + "' is not a hexadecimal word from 0 to FFF";
             return {};
         }},
        {"--sync",
         [](Board_options& o, const std::string& v) -> std::string {
             long n = 0;
             std::string error = set_count("--sync", v, 0, 255, n);
             o.sync = static_cast<int>(n);
             return error;
         }},
        {"--min-wait",
         [](Board_options& o, const std::string& v) -> std::string {
             long n = 0;
             std::string error = set_count("--min-wait", v, 0, 256, n);
             o.min_wait = static_cast<int>(n);
             return error;
         }},
        {"--load-hex",
         [](Board_options& o, const std::string& v) -> std::string {
             o.load_hex_path = v;
             return v.empty() ? "option --load-hex: empty file name" : "";
         }},
        {"--state",
         [](Board_options& o, const std::string& v) -> std::string {
             o.state_path = v;
             return v.empty() ? "option --state: empty file name" : "";
         }},
        {"--log",
         [](Board_options& o, const std::string& v) -> std::string {
             o.log_path = v;
             return v.empty() ? "option --log: empty file name" : "";
         }},
        {"--link",
         [](Board_options& o, const std::string& v) -> std::string {
             o.link_path = v;
             return v.empty() ? "option --link: empty path" : "";
         }},
        {"--timing",
         [](Board_options& o, const std::string& v) -> std::string {
             if (v == "real") {
                 o.timing = Timing_mode::real;
                 return {};
             }
             if (v == "instant") {
                 o.timing = Timing_mode::instant;
                 return {};
             }
             return "option --timing: '" + v + "' is not 'real' or 'instant'";
         }},
        {"--adapter-latency-ms",
         [](Board_options& o, const std::string& v) -> std::string {
             long n = 0;
             std::string error = set_count("--adapter-latency-ms", v, 0, 1000, n);
             o.adapter_latency_ms = static_cast<int>(n);
             return error;
         }},
        {"--silent-after",
         [](Board_options& o, const std::string& v) -> std::string {
             long n = 0;
             std::string error = set_count("--silent-after", v, 0, 1000000000L, n);
             o.silent_after = n;
             return error;
         }},
        {"--silent-cmd",
         [](Board_options& o, const std::string& v) -> std::string {
             if (v.size() != 1)
                 return "option --silent-cmd: '" + v + "' is not a single command character";
             o.silent_commands += v;
             return {};
         }},
        {"--late-ms",
         [](Board_options& o, const std::string& v) -> std::string {
             long n = 0;
             std::string error = set_count("--late-ms", v, 0, 60000, n);
             o.late_ms = static_cast<int>(n);
             return error;
         }},
        {"--hangup-after",
         [](Board_options& o, const std::string& v) -> std::string {
             long n = 0;
             std::string error = set_count("--hangup-after", v, 0, 1000000000L, n);
             o.hangup_after = n;
             return error;
         }},
        {"--parent-pid",
         [](Board_options& o, const std::string& v) -> std::string {
             return set_count("--parent-pid", v, 1, 2147483647L, o.parent_pid);
         }},
    };
    return table;
}

const std::vector<std::pair<std::string, Flag_handler>>& flag_options()
{
    static const std::vector<std::pair<std::string, Flag_handler>> table = {
        {"--help", [](Parse_result& r) { r.help = true; }},
        {"-h", [](Parse_result& r) { r.help = true; }},
        {"--version", [](Parse_result& r) { r.version = true; }},
        {"--extra-bytes", [](Parse_result& r) { r.options.extra_bytes = true; }},
        {"--wrong-id", [](Parse_result& r) { r.options.wrong_id = true; }},
        {"--short-id", [](Parse_result& r) { r.options.short_id = true; }},
        {"--garbage-reads", [](Parse_result& r) { r.options.garbage_reads = true; }},
        {"--protected", [](Parse_result& r) { r.options.code_protected = true; }},
        {"--exit-with-parent", [](Parse_result& r) { r.options.exit_with_parent = true; }},
    };
    return table;
}

template <typename Table>
auto find_option(const Table& table, const std::string& name) -> decltype(&table.front())
{
    for (const auto& entry : table)
        if (entry.first == name)
            return &entry;
    return nullptr;
}

}  // namespace

Parse_result parse_board_options(const std::vector<std::string>& args)
{
    Parse_result result;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inline_value;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            inline_value = name.substr(eq + 1);
            name.erase(eq);
        }

        if (const auto* flag = find_option(flag_options(), name)) {
            if (inline_value) {
                result.error = "option " + name + " takes no value";
                return result;
            }
            flag->second(result);
            continue;
        }

        const auto* option = find_option(value_options(), name);
        if (!option) {
            result.error = name.rfind("-", 0) == 0 ? "unknown option '" + name + "'"
                                                   : "unexpected argument '" + name + "'";
            return result;
        }
        std::string value;
        if (inline_value) {
            value = *inline_value;
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            result.error = "option " + name + " needs a value";
            return result;
        }
        result.error = option->second(result.options, value);
        if (!result.error.empty())
            return result;
    }
    return result;
}

std::string usage_text(std::string_view program_name)
{
    std::string text = "Usage: ";
    text += program_name;
    text += R"( [OPTION]...

Simulated SX18AC/SX28AC in-system programmer board on a pseudo-terminal.
The first line written to standard output is the terminal device path to
open (19200,n,8,1).  The board runs until SIGINT, SIGTERM or SIGHUP, until
the watched parent process ends, or until a --hangup-after fault.

Board and chip:
  --pins 18|28          package mode at power-on (default 18)
  --rev old|A           chip revision (default A).  An A-revision chip comes
                        with factory trim 0xD in FUSEX bits 11-8; the board
                        starts with program wait 45 (old: 240)
  --min-wait N          a program wait below N is too short a pulse: only the
                        bits of the low byte take, bits 11-8 stay as they were
                        (default 0: every pulse takes)
  --protected           the chip keeps its code protection: it starts with
                        FUSE bit 3 cleared, and while that bit is 0 every
                        program word reads as 000.  Erasing the chip removes
                        the protection, programming FUSE bit 3 as 0 sets it
  --firmware TEXT       firmware text in the version reply, padded or cut to
                        5 characters (default V1.02)
  --device WORD         DEVICE word in hexadecimal (default 0FFE)
  --sync N              sync width count in the ISP entry reply, 0-255
                        (default 200)
  --timing real|instant real: 19200-baud byte times in both directions and
                        program-wait x 1.06 ms per programmed word;
                        instant (default): replies are due at once
  --adapter-latency-ms N
                        hold replies back as the latency timer of a USB serial
                        adapter does: the bytes ready are delivered together
                        N ms after the first of them became ready (0-1000,
                        default 0).  FTDI adapters: 16, 1 in low-latency mode

Files:
  --load-hex FILE       start with the chip image of an Intel HEX file: 12-bit
                        words as little-endian byte pairs at byte address
                        2 x word; word 0xFFF or 0x1010 is FUSE, 0x1011 FUSEX.
                        Takes precedence over the contents of --state
  --state FILE          keep the chip contents in FILE: read at start when it
                        exists, rewritten (temporary file and rename) at most
                        0.5 s after the chip changes, and always at exit
  --log FILE            write one line per command: command, payload bytes,
                        reply bytes, ISP state, address counter
  --link PATH           make PATH a symlink to the terminal device (an
                        existing symlink is replaced); removed at exit

Faults (the commands still act on the chip, only the replies change):
  --silent-after N      answer the first N commands, then never again
  --silent-cmd C        never answer command character C (may be repeated)
  --late-ms MS          send every reply MS milliseconds late
  --extra-bytes         append CR LF to every reply
  --wrong-id            identification text "qorvil" instead of "QORVIL"
  --short-id            version reply of only 10 bytes
  --garbage-reads       "6" replies carry a wrong word (bits 0x5A5 flipped)
  --hangup-after N      after N commands the device goes away: once the host
                        has read the last reply (or after 1 s) the terminal
                        is closed and the program exits

Process:
  --exit-with-parent    exit when the parent process ends (for a script that
                        starts the board in the background)
  --parent-pid PID      exit when process PID ends (checked every 0.1 s)
  --help                show this text and exit
  --version             show the version and exit

Outside ISP mode ("9" enters, ":" leaves) the chip commands 0, 1, 2, 3, 5, 6
and 7 are answered but do not reach the chip: reads answer 000 and nothing
is written.  Programming clears bits only (the cell keeps old AND new), so
a word written without an erase shows up on verify.  The acknowledge byte
is 'K'.  Command 8 and unknown bytes get no reply.
)";
    return text;
}

}  // namespace sim
