#include "reference_host.h"

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sstream>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {
constexpr double byte_seconds = 10.0 / 19200.0;
constexpr double pulse_seconds_per_count = 1.06e-3;

void pause_ms(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

std::string hex_bytes(const std::string &field)
{
    std::string out;
    if (field == "-")
        return out;
    std::istringstream in(field);
    std::string byte;
    while (in >> byte)
        out += char(std::strtol(byte.c_str(), nullptr, 16));
    return out;
}

int reply_length(char command)
{
    switch (command) {
    case '1': case '2': case '6': return 3;
    case '9': return 2;
    case '=': return 15;
    default: return 1;
    }
}
} // namespace

std::vector<Logged_command> parse_board_log(const std::vector<std::string> &lines)
{
    std::vector<Logged_command> out;
    for (const std::string &line : lines) {
        const auto c = line.find("cmd '");
        const auto p = line.find(" payload ");
        const auto r = line.find(" reply ");
        if (c == std::string::npos || p == std::string::npos || r == std::string::npos)
            continue;
        Logged_command cmd;
        cmd.command = line[c + 5];
        cmd.payload = hex_bytes(line.substr(p + 9, r - p - 9));
        cmd.reply_bytes = reply_length(cmd.command);
        out.push_back(cmd);
    }
    return out;
}

double wire_floor_seconds(const std::vector<Logged_command> &commands, bool pauses_before_load_bytes,
                          int program_wait)
{
    double s = 0;
    for (const Logged_command &c : commands) {
        s += double(1 + c.payload.size() + size_t(c.reply_bytes)) * byte_seconds;
        if (c.command == '4' && pauses_before_load_bytes)
            s += 2 * 0.003;
        if (c.command == '>')
            s += 0.010;
        if (c.command == '3' || c.command == '5')
            s += program_wait * pulse_seconds_per_count;
    }
    return s;
}

double replay(const std::string &device, const std::vector<Logged_command> &commands, bool pauses_before_load_bytes)
{
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        return -1;
    termios t{};
    tcgetattr(fd, &t);
    cfmakeraw(&t);
    cfsetspeed(&t, B19200);
    tcsetattr(fd, TCSANOW, &t);

    const auto start = std::chrono::steady_clock::now();
    for (const Logged_command &c : commands) {
        tcflush(fd, TCIFLUSH);
        if (::write(fd, &c.command, 1) != 1)
            return -1;
        for (char b : c.payload) {
            if (c.command == '4' && pauses_before_load_bytes)
                pause_ms(3);
            if (c.command == '>')
                pause_ms(10);
            if (::write(fd, &b, 1) != 1)
                return -1;
        }
        int got = 0;
        char buffer[64];
        while (got < c.reply_bytes) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 5000) <= 0) {
                ::close(fd);
                return -1;
            }
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n <= 0) {
                ::close(fd);
                return -1;
            }
            got += int(n);
        }
    }
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ::close(fd);
    return elapsed;
}
