#include "state_file.h"

#include "text_file.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace sim {

namespace {

const std::string header = "qorvil-board-sim chip state 1";
constexpr int words_per_line = 16;

std::string hex_text(unsigned value, int digits)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%0*X", digits, value);
    return buffer;
}

bool parse_hex(const std::string& text, std::size_t max_digits, unsigned long limit,
               unsigned long& value)
{
    if (text.empty() || text.size() > max_digits)
        return false;
    for (const char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    value = std::strtoul(text.c_str(), nullptr, 16);
    return value <= limit;
}

std::vector<std::string> split_words(const std::string& line)
{
    std::istringstream stream(line);
    std::vector<std::string> parts;
    std::string part;
    while (stream >> part)
        parts.push_back(part);
    return parts;
}

// Returns an error text for one line, "" when it was taken.
std::string parse_line(const std::string& line, Chip& chip)
{
    const std::vector<std::string> parts = split_words(line);
    if (parts.empty())
        return {};
    unsigned long value = 0;
    if (parts[0] == "FUSE" || parts[0] == "FUSEX") {
        if (parts.size() != 2 || !parse_hex(parts[1], 4, word_mask, value))
            return "expected '" + parts[0] + " <hex word>'";
        (parts[0] == "FUSE" ? chip.fuse : chip.fusex) = static_cast<std::uint16_t>(value);
        return {};
    }
    const std::string& label = parts[0];
    unsigned long address = 0;
    if (label.size() < 2 || label.back() != ':' ||
        !parse_hex(label.substr(0, label.size() - 1), 4, program_words - 1, address))
        return "expected 'FUSE', 'FUSEX' or an address like '000:'";
    if (address + (parts.size() - 1) > static_cast<unsigned long>(program_words))
        return "words run past the end of program memory";
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (!parse_hex(parts[i], 4, word_mask, value))
            return "'" + parts[i] + "' is not a 12-bit hex word";
        chip.words[address + i - 1] = static_cast<std::uint16_t>(value);
    }
    return {};
}

}  // namespace

std::string format_state(const Chip& chip)
{
    std::string text = header + "\n";
    text += "FUSE " + hex_text(chip.fuse, 4) + "\n";
    text += "FUSEX " + hex_text(chip.fusex, 4) + "\n";
    for (int address = 0; address < program_words; address += words_per_line) {
        text += hex_text(static_cast<unsigned>(address), 3) + ":";
        for (int i = 0; i < words_per_line; ++i)
            text += " " + hex_text(chip.words[static_cast<std::size_t>(address + i)], 4);
        text += "\n";
    }
    return text;
}

bool parse_state(std::string_view text, Chip& chip, std::string& error)
{
    std::istringstream stream{std::string(text)};
    std::string line;
    if (!std::getline(stream, line) || (line != header && line != header + "\r")) {
        error = "line 1: not a chip state file (expected '" + header + "')";
        return false;
    }
    Chip result;
    int line_number = 1;
    while (std::getline(stream, line)) {
        ++line_number;
        const std::string problem = parse_line(line, result);
        if (!problem.empty()) {
            error = "line " + std::to_string(line_number) + ": " + problem;
            return false;
        }
    }
    chip = result;
    return true;
}

State_load load_state_file(const std::string& path, Chip& chip, std::string& error)
{
    std::string text;
    int error_number = 0;
    if (!read_text_file(path, text, error, &error_number))
        return error_number == ENOENT ? State_load::missing : State_load::failed;
    if (!parse_state(text, chip, error)) {
        error = path + ": " + error;
        return State_load::failed;
    }
    return State_load::loaded;
}

bool save_state_file(const std::string& path, const Chip& chip, std::string& error)
{
    return write_file_atomically(path, format_state(chip), error);
}

}  // namespace sim
