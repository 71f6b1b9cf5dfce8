#include "commands.h"

namespace sim {

int payload_length(char command_char)
{
    switch (command_char) {
    case command::load_word:
        return 2;
    case command::program_wait:
        return 1;
    default:
        return 0;
    }
}

bool is_known_command(char command_char)
{
    return (command_char >= command::erase && command_char <= command::program_wait) &&
           command_char != command::unused;
}

bool reaches_chip(char command_char)
{
    switch (command_char) {
    case command::erase:
    case command::read_device:
    case command::read_fusex:
    case command::program_fusex:
    case command::program_word:
    case command::read_word:
    case command::increment_address:
        return true;
    default:
        return false;
    }
}

std::string read_reply(std::uint16_t word)
{
    std::string reply;
    reply += static_cast<char>((word >> 8) & 0x0F);
    reply += static_cast<char>(word & 0xFF);
    reply += read_end;
    return reply;
}

std::uint16_t word_from_bytes(unsigned char high, unsigned char low)
{
    return static_cast<std::uint16_t>(((high & 0x0F) << 8) | low);
}

std::string version_reply(const std::string& identification, const std::string& firmware)
{
    std::string firmware_text = firmware.substr(0, 5);
    firmware_text.resize(5, ' ');
    return "SX " + identification + " " + firmware_text;
}

}  // namespace sim
