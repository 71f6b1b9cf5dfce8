#include "text_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace sim {

namespace {

std::string describe(const std::string& what, const std::string& path, int error_number)
{
    return what + " " + path + ": " + std::strerror(error_number);
}

bool write_all(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool read_text_file(const std::string& path, std::string& text, std::string& error,
                    int* errno_out)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno_out)
            *errno_out = errno;
        error = describe("cannot open", path, errno);
        return false;
    }
    text.clear();
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno_out)
                *errno_out = errno;
            error = describe("cannot read", path, errno);
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}

bool write_file_atomically(const std::string& path, const std::string& text, std::string& error)
{
    const std::string temp_path = path + ".tmp." + std::to_string(::getpid());
    const int fd = ::open(temp_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = describe("cannot create", temp_path, errno);
        return false;
    }
    if (!write_all(fd, text) || ::fsync(fd) != 0) {
        error = describe("cannot write", temp_path, errno);
        ::close(fd);
        ::unlink(temp_path.c_str());
        return false;
    }
    if (::close(fd) != 0) {
        error = describe("cannot write", temp_path, errno);
        ::unlink(temp_path.c_str());
        return false;
    }
    if (::rename(temp_path.c_str(), path.c_str()) != 0) {
        error = describe("cannot rename " + temp_path + " to", path, errno);
        ::unlink(temp_path.c_str());
        return false;
    }
    return true;
}

}  // namespace sim
