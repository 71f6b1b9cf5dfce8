#include "stop_signals.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace sim {

namespace {

int pipe_fds[2] = {-1, -1};
const int stop_signal_numbers[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void on_stop_signal(int signal_number)
{
    const int saved_errno = errno;
    const unsigned char byte = static_cast<unsigned char>(signal_number);
    [[maybe_unused]] const ssize_t ignored = ::write(pipe_fds[1], &byte, 1);
    errno = saved_errno;
}

}  // namespace

Stop_signals::~Stop_signals()
{
    for (const int number : stop_signal_numbers)
        std::signal(number, SIG_DFL);
    for (int& fd : pipe_fds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

bool Stop_signals::install(std::string& error)
{
    if (::pipe(pipe_fds) != 0) {
        error = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    for (const int fd : pipe_fds) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    struct sigaction action {};
    action.sa_handler = on_stop_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : stop_signal_numbers) {
        if (::sigaction(number, &action, nullptr) != 0) {
            error = std::string("sigaction: ") + std::strerror(errno);
            return false;
        }
    }
    std::signal(SIGPIPE, SIG_IGN);
    return true;
}

int Stop_signals::fd() const
{
    return pipe_fds[0];
}

int Stop_signals::take_signal()
{
    int first = 0;
    unsigned char byte = 0;
    while (::read(pipe_fds[0], &byte, 1) == 1)
        if (first == 0)
            first = byte;
    return first;
}

}  // namespace sim
