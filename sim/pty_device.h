// The pseudo-terminal the board is served on.
#pragma once

#include <cstddef>
#include <string>

namespace sim {

class Pty_device {
public:
    Pty_device() = default;
    ~Pty_device();
    Pty_device(const Pty_device&) = delete;
    Pty_device& operator=(const Pty_device&) = delete;

    // Creates the terminal pair: the master non-blocking, the slave in raw
    // mode.  A slave descriptor stays open here so that the host may open
    // and close the device as often as it likes without the master ever
    // seeing a hang-up.
    bool open(std::string& error);

    bool is_open() const { return master_fd_ >= 0; }
    int master_fd() const { return master_fd_; }
    const std::string& slave_path() const { return slave_path_; }

    // Bytes sent to the host that it has not read yet.
    std::size_t unread_by_host() const;

    // Closes both sides; a host that has the device open sees it go away.
    void close();

private:
    int master_fd_ = -1;
    int slave_fd_ = -1;
    std::string slave_path_;
};

}  // namespace sim
