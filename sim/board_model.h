// The programmer board with its target chip, as a pure state machine: bytes
// from the host go in, the board's reply bytes come out with the time at
// which they are due.  No I/O happens here.
//
// Protocol summary (all commands are one ASCII character):
//   "0" erase program memory, FUSE and FUSEX        -> ack
//   "1" read DEVICE, "2" read FUSEX                   -> high, low, CR
//   "3" program FUSEX with the loaded word            -> ack
//   "4" hi lo  load a word (hi: bits 11-8 in its low nibble) -> ack
//   "5" program the loaded word at the address counter (0xFFF = FUSE) -> ack
//   "6" read the word at the address counter (0xFFF = FUSE) -> high, low, CR
//   "7" increment the address counter (0xFFF wraps to 0x000) -> ack
//   "9" enter ISP mode, counter = 0xFFF                -> sync count, 'K'
//   ":" leave ISP mode, counter = 0xFFF                -> ack
//   ";" 18-pin mode, "<" 28-pin mode                   -> ack
//   "=" version                                        -> 15 bytes of text
//   ">" n  program-wait count                          -> ack
//   "8" and unknown bytes: no reply.
// The acknowledge byte is 'K'.  Programming clears bits only (old AND new).
// Commands that reach the chip (0, 1, 2, 3, 5, 6, 7) do nothing outside ISP
// mode; they are still answered, reads with the word 000.
#pragma once

#include "board_options.h"
#include "chip.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

// Bytes the board sends, due delay_s seconds after the now_s of the
// receive() call that produced them.
struct Output {
    double delay_s = 0.0;
    std::string bytes;
};

// Receives one --log line (without line end) per handled command.
using Log_sink = std::function<void(const std::string& line)>;

class Board_model {
public:
    // Starts with the fresh chip of options.revision, out of ISP mode, the
    // address counter at 0xFFF and the package mode of options.pins.
    explicit Board_model(const Board_options& options);

    // Takes bytes from the host as they arrive; a command and its payload may
    // be split across calls.  now_s is the time the bytes were received, in
    // seconds on any clock that never goes back; it only matters with real
    // timing.  Returns the replies of the commands completed by these bytes,
    // in the order they are due.  After a hang-up nothing is taken.
    std::vector<Output> receive(std::string_view host_bytes, double now_s = 0.0);

    // True once --hangup-after has run out: the device is gone.
    bool hung_up() const { return hung_up_; }

    // Number of complete commands handled so far (unknown bytes included).
    long command_count() const { return command_count_; }

    // Grows each time the chip contents change through a command; the setters
    // below do not count.
    std::uint64_t chip_changes() const { return chip_changes_; }

    const Board_options& options() const { return options_; }
    const Chip& chip() const { return chip_; }
    std::uint16_t word(int address) const { return chip_.words.at(static_cast<std::size_t>(address)); }
    std::uint16_t fuse() const { return chip_.fuse; }
    std::uint16_t fusex() const { return chip_.fusex; }
    std::uint16_t device() const { return options_.device; }
    std::uint16_t address_counter() const { return address_; }
    bool isp() const { return isp_; }
    int pins() const { return pins_; }
    int program_wait() const { return program_wait_; }
    std::uint16_t loaded_word() const { return loaded_word_; }

    void set_chip(const Chip& chip) { chip_ = chip; }
    void set_word(int address, std::uint16_t value);
    void set_fuse(std::uint16_t value) { chip_.fuse = value & word_mask; }
    void set_fusex(std::uint16_t value) { chip_.fusex = value & word_mask; }
    void set_address_counter(std::uint16_t value) { address_ = value & word_mask; }
    void set_isp(bool on) { isp_ = on; }
    void set_program_wait(int value) { program_wait_ = value; }
    void set_log_sink(Log_sink sink) { log_sink_ = std::move(sink); }

private:
    struct Result {
        std::string reply;     // plain reply of the command
        double busy_s = 0.0;   // time the board needs before it can answer
        std::string note;
    };

    Result execute(char command_char, std::string_view payload);
    void program_cell(std::uint16_t& cell, Result& result);
    std::string inject_faults(char command_char, std::string reply, std::string& note);
    void schedule(const std::string& reply, const Result& result, double arrival_s, double now_s,
                  std::vector<Output>& out);
    void finish_command(char command_char, std::string_view payload, double arrival_s,
                        double now_s, std::vector<Output>& out);

    Board_options options_;
    Chip chip_;
    std::uint16_t address_;
    bool isp_ = false;
    int pins_;
    int program_wait_;
    std::uint16_t loaded_word_ = blank_word;
    long command_count_ = 0;
    std::uint64_t chip_changes_ = 0;
    bool hung_up_ = false;
    Log_sink log_sink_;

    std::optional<char> pending_command_;
    std::string pending_payload_;

    // Real timing: when the line from the host, the board and the line to the
    // host are next free.
    double host_line_free_s_;
    double board_free_s_;
    double reply_line_free_s_;
};

}  // namespace sim
