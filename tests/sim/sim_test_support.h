// Helpers shared by the simulated-board tests.
#pragma once

#include "sim/board_model.h"

#include <string>
#include <string_view>

namespace sim_test {

// All bytes the model sends for `host_bytes`, joined in order.
std::string reply_to(sim::Board_model& model, std::string_view host_bytes);

// The 12-bit word of a three-byte read reply.
unsigned word_of(const std::string& read_reply);

// A fresh directory under /tmp, removed with its contents on destruction.
class Temp_dir {
public:
    Temp_dir();
    ~Temp_dir();
    Temp_dir(const Temp_dir&) = delete;
    Temp_dir& operator=(const Temp_dir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

void write_file(const std::string& path, const std::string& text);
std::string read_file(const std::string& path);
bool file_exists(const std::string& path);

}  // namespace sim_test
