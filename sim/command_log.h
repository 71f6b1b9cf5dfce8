// Text form of one handled command, as written to the --log file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sim {

struct Command_record {
    long number = 0;            // 1 for the first command since start
    char command = 0;           // the command byte as received
    std::string payload;        // payload bytes that followed it
    std::string reply;          // bytes sent back (after fault injection)
    bool isp = false;           // ISP mode after the command
    std::uint16_t address = 0;  // address counter after the command
    std::string note;           // why the reply differs from the plain one, if it does
};

// Bytes as upper-case hex pairs separated by blanks; "-" when empty.
std::string hex_bytes(std::string_view bytes);

// One line, without the line end, e.g.
//   #3 cmd '4' payload 0F FE reply 4B isp on addr FFF
//   #9 cmd '6' payload - reply - isp on addr 004 note silent
// Command bytes that are not printable are written as 0xNN instead of 'c'.
std::string format_log_line(const Command_record& record);

}  // namespace sim
