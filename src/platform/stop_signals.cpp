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
std::atomic<bool> signalled{false};
static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler sets it");

// The only things a signal handler may safely do here: set the flag and note the signal in
// the pipe.
extern "C" void note_signal(int)
{
    const int saved = errno;
    signalled = true;
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
    for (const int s : {SIGINT, SIGTERM, SIGHUP})
        sigaction(s, &sa, nullptr);
    struct sigaction pipe {};
    pipe.sa_handler = action == SIG_DFL ? SIG_DFL : SIG_IGN;  // a closed output fails a write
    sigemptyset(&pipe.sa_mask);
    sigaction(SIGPIPE, &pipe, nullptr);
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
    // After a stop the process is on its way out: a second Ctrl-C must not cut that short.
    set_handlers(signalled ? SIG_IGN : SIG_DFL);
    delete notifier;
    notifier = nullptr;
    ::close(pipe_fds[0]);
    ::close(pipe_fds[1]);
    pipe_fds[0] = pipe_fds[1] = -1;
    handler = {};
}

const std::atomic<bool> &stop_signalled() { return signalled; }

} // namespace platform
