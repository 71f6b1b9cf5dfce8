#pragma once
// A minimal host for comparison: replays a command sequence on the terminal with plain
// blocking reads, nothing else.

#include <string>
#include <vector>

struct Logged_command {
    char command = 0;
    std::string payload;  // bytes
    int reply_bytes = 0;  // what the host waits for
};

// Parses the board's --log lines ("#3 cmd '4' payload 0F FE reply 4B isp on addr FFF").
std::vector<Logged_command> parse_board_log(const std::vector<std::string> &lines);

// Seconds the exchange needs at least: the bytes on a 19200-baud line, the pauses the
// host keeps before payload bytes, and the programming pulses.
double wire_floor_seconds(const std::vector<Logged_command> &commands, bool pauses_before_load_bytes,
                          int program_wait);

// Sends the commands over `device` and waits for each reply; returns the elapsed seconds
// or a negative number when the board did not answer.
double replay(const std::string &device, const std::vector<Logged_command> &commands,
              bool pauses_before_load_bytes);
