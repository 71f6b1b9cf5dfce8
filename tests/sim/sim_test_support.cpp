#include "sim_test_support.h"

#include <cstdlib>
#include <fstream>
#include <ftw.h>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace sim_test {

std::string reply_to(sim::Board_model& model, std::string_view host_bytes)
{
    std::string bytes;
    for (const sim::Output& output : model.receive(host_bytes))
        bytes += output.bytes;
    return bytes;
}

unsigned word_of(const std::string& read_reply)
{
    if (read_reply.size() < 2)
        throw std::runtime_error("read reply too short");
    return ((static_cast<unsigned char>(read_reply[0]) & 0x0Fu) << 8) |
           static_cast<unsigned char>(read_reply[1]);
}

Temp_dir::Temp_dir()
{
    char pattern[] = "/tmp/qorvil-sim-test-XXXXXX";
    if (!::mkdtemp(pattern))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

Temp_dir::~Temp_dir()
{
    ::nftw(
        path_.c_str(),
        [](const char* path, const struct stat*, int, struct FTW*) { return ::remove(path); }, 16,
        FTW_DEPTH | FTW_PHYS);
}

void write_file(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool file_exists(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace sim_test
