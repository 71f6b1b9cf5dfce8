#include "pty_server.h"

#include "state_file.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace sim {

namespace {

// The state file is written at most this long after the first unsaved change.
constexpr double state_save_delay_s = 0.5;
// How often the watched parent process is looked at.
constexpr double parent_check_interval_s = 0.1;
// Before hanging up, the host gets this long to read the last reply.
constexpr double hangup_drain_limit_s = 1.0;
// Bytes written to the master take a moment to show up as unread on the slave.
constexpr double hangup_settle_s = 0.02;
constexpr double hangup_check_interval_s = 0.005;

}  // namespace

Pty_server::Pty_server(Board_model& model, Pty_device& device, int stop_fd, Server_config config)
    : model_(model),
      device_(device),
      stop_fd_(stop_fd),
      config_(std::move(config)),
      original_parent_(::getppid()),
      save_schedule_(state_save_delay_s),
      saved_changes_(model.chip_changes())
{
}

double Pty_server::now() const
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

Stop_reason Pty_server::run()
{
    for (;;) {
        const double now_s = now();
        queue_due_outputs(now_s);
        if (!write_pending())
            return Stop_reason::failed;
        save_state_if_due(now_s);
        if (model_.hung_up() && ready_to_hang_up(now_s)) {
            device_.close();
            return Stop_reason::hung_up;
        }
        if (parent_gone())
            return Stop_reason::parent_gone;

        pollfd fds[2] = {};
        fds[0].fd = stop_fd_;
        fds[0].events = POLLIN;
        fds[1].fd = device_.master_fd();
        fds[1].events = static_cast<short>(POLLIN | (unsent_.empty() ? 0 : POLLOUT));
        if (::poll(fds, 2, poll_timeout_ms(now_s)) < 0) {
            if (errno == EINTR)
                continue;
            error_ = std::string("poll: ") + std::strerror(errno);
            return Stop_reason::failed;
        }
        if (fds[0].revents & POLLIN)
            return Stop_reason::stop_signal;
        if (fds[1].revents & (POLLERR | POLLNVAL)) {
            error_ = "the terminal reported an error";
            return Stop_reason::failed;
        }
        if (fds[1].revents & POLLIN)
            read_host(now());
    }
}

void Pty_server::read_host(double now_s)
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(device_.master_fd(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        for (Output& output : model_.receive(std::string_view(buffer, static_cast<std::size_t>(n)), now_s))
            scheduled_.emplace(now_s + output.delay_s, std::move(output.bytes));
    }
    if (!config_.state_path.empty() && model_.chip_changes() != saved_changes_)
        save_schedule_.changed(now_s);
}

void Pty_server::queue_due_outputs(double now_s)
{
    while (!scheduled_.empty() && scheduled_.begin()->first <= now_s) {
        if (held_.empty())
            held_since_s_ = scheduled_.begin()->first;
        held_ += scheduled_.begin()->second;
        scheduled_.erase(scheduled_.begin());
    }
    // A USB adapter passes on what it holds when its latency timer runs out.
    if (!held_.empty() && now_s >= held_since_s_ + config_.adapter_latency_s) {
        unsent_ += held_;
        held_.clear();
    }
}

bool Pty_server::write_pending()
{
    while (!unsent_.empty()) {
        const ssize_t n = ::write(device_.master_fd(), unsent_.data(), unsent_.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK)
                return true;  // the host is not reading; poll() tells when there is room
            error_ = std::string("write to terminal: ") + std::strerror(errno);
            return false;
        }
        unsent_.erase(0, static_cast<std::size_t>(n));
        last_write_s_ = now();
    }
    return true;
}

bool Pty_server::parent_gone() const
{
    if (config_.exit_with_parent && ::getppid() != original_parent_)
        return true;
    if (config_.parent_pid > 0 && ::kill(static_cast<pid_t>(config_.parent_pid), 0) != 0 &&
        errno == ESRCH)
        return true;
    return false;
}

int Pty_server::poll_timeout_ms(double now_s) const
{
    double wake_s = -1.0;
    auto consider = [&](double at_s) {
        if (wake_s < 0.0 || at_s < wake_s)
            wake_s = at_s;
    };
    if (!scheduled_.empty())
        consider(scheduled_.begin()->first);
    if (!held_.empty())
        consider(held_since_s_ + config_.adapter_latency_s);
    if (const auto deadline = save_schedule_.deadline())
        consider(*deadline);
    if (config_.exit_with_parent || config_.parent_pid > 0)
        consider(now_s + parent_check_interval_s);
    if (model_.hung_up())
        consider(now_s + hangup_check_interval_s);
    if (wake_s < 0.0)
        return -1;
    const double wait_ms = std::ceil((wake_s - now_s) * 1000.0);
    return static_cast<int>(std::clamp(wait_ms, 0.0, 60000.0));
}

void Pty_server::save_state_if_due(double now_s)
{
    if (!save_schedule_.due(now_s))
        return;
    save_schedule_.saved();
    std::string error;
    if (save_state_file(config_.state_path, model_.chip(), error))
        saved_changes_ = model_.chip_changes();
    else
        std::fprintf(stderr, "qorvil-board-sim: %s\n", error.c_str());
}

bool Pty_server::ready_to_hang_up(double now_s)
{
    if (!scheduled_.empty() || !held_.empty() || !unsent_.empty())
        return false;
    if (hangup_deadline_s_ < 0.0)
        hangup_deadline_s_ = now_s + hangup_drain_limit_s;
    if (now_s >= hangup_deadline_s_)
        return true;
    return device_.unread_by_host() == 0 && now_s - last_write_s_ >= hangup_settle_s;
}

}  // namespace sim
