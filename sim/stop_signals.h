// SIGINT, SIGTERM and SIGHUP as a file descriptor that poll() can watch.
#pragma once

#include <string>

namespace sim {

class Stop_signals {
public:
    Stop_signals() = default;
    ~Stop_signals();
    Stop_signals(const Stop_signals&) = delete;
    Stop_signals& operator=(const Stop_signals&) = delete;

    // Installs the handlers (and ignores SIGPIPE).  Only one instance may be
    // installed at a time.
    bool install(std::string& error);

    // Becomes readable when a stop signal has arrived.
    int fd() const;

    // The first stop signal received, 0 if none; drains the descriptor.
    int take_signal();
};

}  // namespace sim
