// Helpers shared by the simulated-board tests.
#pragma once

#include "sim/board_model.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace sim_test {

// All bytes the model sends for `host_bytes`, joined in order.
inline std::string reply_to(sim::Board_model& model, std::string_view host_bytes)
{
    std::string bytes;
    for (const sim::Output& output : model.receive(host_bytes))
        bytes += output.bytes;
    return bytes;
}

// The three-byte reply of a read: bits 11-8, bits 7-0, CR.
inline std::string read_reply(unsigned word)
{
    return {static_cast<char>((word >> 8) & 0x0F), static_cast<char>(word & 0xFF), '\r'};
}

// The "4" command loading `word`.
inline std::string load(unsigned word)
{
    return {'4', static_cast<char>((word >> 8) & 0x0F), static_cast<char>(word & 0xFF)};
}

// A fresh directory under /tmp, removed with its contents on destruction.
struct Temp_dir {
    Temp_dir() = default;
    Temp_dir(const Temp_dir&) = delete;
    ~Temp_dir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string file(const std::string& name) const { return path + "/" + name; }

    const std::string path = [] {
        char pattern[] = "/tmp/qorvil-sim-test-XXXXXX";
        if (!::mkdtemp(pattern))
            throw std::runtime_error("mkdtemp failed");
        return std::string(pattern);
    }();
};

inline void write_file(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace sim_test
