#include "hex_reader.h"

#include "text_file.h"

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace sim {

namespace {

constexpr std::uint32_t fuse_word_address = 0x0FFF;
constexpr std::uint32_t fuse_alias_address = 0x1010;
constexpr std::uint32_t fusex_word_address = 0x1011;

int hex_value(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<std::vector<std::uint8_t>> decode_hex_pairs(std::string_view digits)
{
    if (digits.size() % 2 != 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const int high = hex_value(digits[i]);
        const int low = hex_value(digits[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return bytes;
}

std::string hex2(unsigned value)
{
    const char digits[] = "0123456789ABCDEF";
    return {digits[(value >> 4) & 0x0F], digits[value & 0x0F]};
}

// Parses one record into the byte map; returns an error text or "" and
// sets `end` on the end record.
std::string read_record(std::string_view line, std::map<std::uint32_t, std::uint8_t>& bytes,
                        bool& end)
{
    if (line.front() != ':')
        return "record does not start with ':'";
    const auto record = decode_hex_pairs(line.substr(1));
    if (!record)
        return "record is not an even number of hexadecimal digits";
    if (record->size() < 5)
        return "record is too short";
    const std::size_t length = (*record)[0];
    if (record->size() != length + 5)
        return "record length " + std::to_string(length) + " does not match its " +
               std::to_string(record->size() - 5) + " data bytes";

    unsigned sum = 0;
    for (std::size_t i = 0; i + 1 < record->size(); ++i)
        sum += (*record)[i];
    const unsigned expected = (0x100 - (sum & 0xFF)) & 0xFF;
    const unsigned found = record->back();
    if (expected != found)
        return "checksum mismatch (record says " + hex2(found) + ", computed " + hex2(expected) +
               ")";

    const std::uint32_t address = (static_cast<std::uint32_t>((*record)[1]) << 8) | (*record)[2];
    const std::uint8_t type = (*record)[3];
    if (type == 0x01) {
        end = true;
    } else if (type == 0x00) {
        for (std::size_t i = 0; i < length; ++i)
            bytes[address + static_cast<std::uint32_t>(i)] = (*record)[4 + i];
    }
    return {};
}

void store_word(Chip& chip, std::uint32_t word_address, std::uint16_t value)
{
    if (word_address < static_cast<std::uint32_t>(program_words))
        chip.words[word_address] = value;
    else if (word_address == fuse_word_address || word_address == fuse_alias_address)
        chip.fuse = value;
    else if (word_address == fusex_word_address)
        chip.fusex = value;
}

std::uint16_t current_word(const Chip& chip, std::uint32_t word_address)
{
    if (word_address < static_cast<std::uint32_t>(program_words))
        return chip.words[word_address];
    if (word_address == fuse_word_address || word_address == fuse_alias_address)
        return chip.fuse;
    if (word_address == fusex_word_address)
        return chip.fusex;
    return blank_word;
}

}  // namespace

bool read_intel_hex(std::string_view text, Chip& chip, std::string& error)
{
    std::map<std::uint32_t, std::uint8_t> bytes;
    bool end = false;
    int line_number = 0;
    while (!text.empty() && !end) {
        ++line_number;
        const auto newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        if (line.empty())
            continue;
        const std::string problem = read_record(line, bytes, end);
        if (!problem.empty()) {
            error = "line " + std::to_string(line_number) + ": " + problem;
            return false;
        }
    }

    // Assemble words from byte pairs; a word with only one byte given keeps
    // the other byte of its current value.
    Chip result = chip;
    for (auto it = bytes.begin(); it != bytes.end();) {
        const std::uint32_t word_address = it->first / 2;
        std::uint16_t value = current_word(result, word_address);
        while (it != bytes.end() && it->first / 2 == word_address) {
            if (it->first % 2 == 0)
                value = static_cast<std::uint16_t>((value & 0xF00) | it->second);
            else
                value = static_cast<std::uint16_t>(((it->second & 0x0F) << 8) | (value & 0xFF));
            ++it;
        }
        store_word(result, word_address, value);
    }
    chip = result;
    return true;
}

bool load_hex_file(const std::string& path, Chip& chip, std::string& error)
{
    std::string text;
    if (!read_text_file(path, text, error))
        return false;
    if (!read_intel_hex(text, chip, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

}  // namespace sim
