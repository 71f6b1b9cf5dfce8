#include "platform/stop_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace platform {
namespace {

int pipe_fds[2] = {-1, -1};
QSocketNotifier *notifier = nullptr;
std::function<void()> handler;

// The only thing a signal handler may safely do here: note the signal in the pipe.
extern "C" void note_signal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(pipe_fds[1], &byte, 1);
    errno = saved;
}

void set_handlers(void (*action)(int))
{
    struct sigaction sa {};
    sa.sa_handler = action;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
}

} // namespace

void catch_stop_signals(std::function<void()> on_stop)
{
    handler = std::move(on_stop);
    if (notifier)
        return;
    if (::pipe2(pipe_fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier = new QSocketNotifier(pipe_fds[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char bytes[16];
        while (::read(pipe_fds[0], bytes, sizeof bytes) > 0) {
        }
        if (handler)
            handler();
    });
    set_handlers(note_signal);
}

void release_stop_signals()
{
    if (!notifier)
        return;
    set_handlers(SIG_DFL);
    delete notifier;
    notifier = nullptr;
    ::close(pipe_fds[0]);
    ::close(pipe_fds[1]);
    pipe_fds[0] = pipe_fds[1] = -1;
    handler = {};
}

} // namespace platform
