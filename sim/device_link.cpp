#include "device_link.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace sim {

namespace {

bool read_link(const std::string& path, std::string& target)
{
    std::vector<char> buffer(4096);
    const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (n < 0 || static_cast<std::size_t>(n) >= buffer.size())
        return false;
    target.assign(buffer.data(), static_cast<std::size_t>(n));
    return true;
}

}  // namespace

bool make_device_link(const std::string& link_path, const std::string& target, std::string& error)
{
    struct stat info {};
    if (::lstat(link_path.c_str(), &info) == 0 && !S_ISLNK(info.st_mode)) {
        error = "--link " + link_path + ": exists and is not a symlink";
        return false;
    }
    const std::string temp_path = link_path + ".tmp." + std::to_string(::getpid());
    ::unlink(temp_path.c_str());
    if (::symlink(target.c_str(), temp_path.c_str()) != 0) {
        error = "--link: cannot create " + temp_path + ": " + std::strerror(errno);
        return false;
    }
    if (::rename(temp_path.c_str(), link_path.c_str()) != 0) {
        error = "--link: cannot rename " + temp_path + " to " + link_path + ": " +
                std::strerror(errno);
        ::unlink(temp_path.c_str());
        return false;
    }
    return true;
}

void remove_device_link(const std::string& link_path, const std::string& target)
{
    std::string current;
    if (read_link(link_path, current) && current == target)
        ::unlink(link_path.c_str());
}

}  // namespace sim
