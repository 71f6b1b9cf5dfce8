#include "platform/stop_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

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

constexpr int stop_signals[3] = {SIGINT, SIGTERM, SIGHUP};
QTimer *parent_watch = nullptr;

void install(void (*action)(int))
{
    for (const int number : stop_signals) {
        struct sigaction sa {}, inherited {};
        sa.sa_handler = action;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = SA_RESTART;
        sigaction(number, &sa, &inherited);
        // A run started with nohup, or in the background by a script, was told to ignore the
        // hang-up or Ctrl-C of its terminal: it goes on ignoring them.
        if (inherited.sa_handler == SIG_IGN && number != SIGTERM)
            sigaction(number, &inherited, nullptr);
    }
    struct sigaction pipe {};
    pipe.sa_handler = SIG_IGN;  // a closed output fails a write instead of ending the process
    sigemptyset(&pipe.sa_mask);
    sigaction(SIGPIPE, &pipe, nullptr);
}

// A run whose parent (a terminal's shell, a supervising program) has gone is treated as hung
// up: it is then a child of the system's process keeper.
void watch_parent()
{
    const pid_t first = ::getppid();
    parent_watch = new QTimer(QCoreApplication::instance());
    parent_watch->setInterval(250);
    QObject::connect(parent_watch, &QTimer::timeout, parent_watch, [first] {
        if (::getppid() == first)
            return;
        parent_watch->stop();
        ::raise(SIGHUP);
    });
    parent_watch->start();
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
    install(note_signal);
    watch_parent();
}

void release_stop_signals() { handler = {}; }

const std::atomic<bool> &stop_signalled() { return signalled; }

} // namespace platform
