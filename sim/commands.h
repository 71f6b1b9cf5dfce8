// The board's one-character command set and the byte layouts it uses.
#pragma once

#include <cstdint>
#include <string>

namespace sim {

namespace command {
constexpr char erase = '0';
constexpr char read_device = '1';
constexpr char read_fusex = '2';
constexpr char program_fusex = '3';
constexpr char load_word = '4';           // + high byte, low byte
constexpr char program_word = '5';
constexpr char read_word = '6';
constexpr char increment_address = '7';
constexpr char unused = '8';
constexpr char enter_isp = '9';
constexpr char exit_isp = ':';
constexpr char mode_18_pin = ';';
constexpr char mode_28_pin = '<';
constexpr char version = '=';
constexpr char program_wait = '>';        // + wait count byte
}  // namespace command

constexpr char acknowledge = 'K';         // single-byte reply of the write-type commands
constexpr char isp_status = 'K';          // second byte of the "9" reply
constexpr char read_end = '\r';           // third byte of a read reply
constexpr std::uint16_t address_mask = 0x0FFF;
constexpr std::uint16_t fuse_address = 0x0FFF;  // counter value at which "5"/"6" reach FUSE

// Number of payload bytes that follow the command character.
int payload_length(char command_char);

// True for the commands the board answers at all ("8" and unknown bytes get
// no reply).
bool is_known_command(char command_char);

// True for the commands that need the chip in ISP mode to reach it.
bool reaches_chip(char command_char);

// Three-byte read reply: bits 11-8 in the low nibble of the first byte, bits
// 7-0 in the second, then the end character.
std::string read_reply(std::uint16_t word);

// Word carried by the two payload bytes of "4"; the upper nibble of the high
// byte is ignored.
std::uint16_t word_from_bytes(unsigned char high, unsigned char low);

// The 15-byte version reply: "SX ", the identification text at positions
// 4-9, one blank, the firmware text padded or cut to 5 characters.
std::string version_reply(const std::string& identification, const std::string& firmware);

}  // namespace sim
