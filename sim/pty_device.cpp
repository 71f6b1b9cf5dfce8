#include "pty_device.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

Pty_device::~Pty_device()
{
    close();
}

bool Pty_device::open(std::string& error)
{
    auto fail = [&](const char* what) {
        error = std::string(what) + ": " + std::strerror(errno);
        close();
        return false;
    };

    master_fd_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_fd_ < 0)
        return fail("posix_openpt");
    if (::fcntl(master_fd_, F_SETFD, FD_CLOEXEC) != 0)
        return fail("fcntl");
    if (::grantpt(master_fd_) != 0)
        return fail("grantpt");
    if (::unlockpt(master_fd_) != 0)
        return fail("unlockpt");
    const char* name = ::ptsname(master_fd_);
    if (!name)
        return fail("ptsname");
    slave_path_ = name;

    slave_fd_ = ::open(slave_path_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_fd_ < 0)
        return fail(("open " + slave_path_).c_str());
    termios settings{};
    if (::tcgetattr(slave_fd_, &settings) != 0)
        return fail("tcgetattr");
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, B19200);
    ::cfsetospeed(&settings, B19200);
    if (::tcsetattr(slave_fd_, TCSANOW, &settings) != 0)
        return fail("tcsetattr");

    const int flags = ::fcntl(master_fd_, F_GETFL);
    if (flags < 0 || ::fcntl(master_fd_, F_SETFL, flags | O_NONBLOCK) != 0)
        return fail("fcntl");
    return true;
}

std::size_t Pty_device::unread_by_host() const
{
    int count = 0;
    if (slave_fd_ < 0 || ::ioctl(slave_fd_, FIONREAD, &count) != 0 || count < 0)
        return 0;
    return static_cast<std::size_t>(count);
}

void Pty_device::close()
{
    if (slave_fd_ >= 0)
        ::close(slave_fd_);
    if (master_fd_ >= 0)
        ::close(master_fd_);
    slave_fd_ = -1;
    master_fd_ = -1;
}

}  // namespace sim
