// The target chip as the board sees it: program memory and the two
// configuration words that can be written.  Plain data, no protocol.
#pragma once

#include <array>
#include <cstdint>

namespace sim {

constexpr int program_words = 2048;           // largest SX18/SX28 program memory
constexpr std::uint16_t blank_word = 0x0FFF;  // an erased 12-bit cell
constexpr std::uint16_t word_mask = 0x0FFF;
constexpr std::uint16_t code_protection_bit = 0x0008;  // FUSE bit 3, 0 = protected
constexpr std::uint16_t short_pulse_keeps = 0x0F00;    // bits a too short pulse leaves alone

// Chip revisions differ in the factory trim held in FUSEX and in how long a
// programming pulse must be for a word to take.
enum class Chip_revision { old_revision, a_revision };

struct Chip {
    std::array<std::uint16_t, program_words> words;
    std::uint16_t fuse = blank_word;
    std::uint16_t fusex = blank_word;

    Chip() { words.fill(blank_word); }

    // Sets program memory, FUSE and FUSEX to the erased value.
    void erase();

    // Code protection is on: program memory reads as 000.
    bool protected_words() const { return (fuse & code_protection_bit) == 0; }
    void protect() { fuse &= static_cast<std::uint16_t>(~code_protection_bit); }

    bool operator==(const Chip& other) const;
    bool operator!=(const Chip& other) const { return !(*this == other); }
};

// Cells behave like EEPROM: programming can only clear bits, so the cell
// ends up holding old AND new.  Returns the new cell value.
constexpr std::uint16_t programmed_value(std::uint16_t old_value, std::uint16_t new_value)
{
    return static_cast<std::uint16_t>(old_value & new_value & word_mask);
}

// A chip straight from the factory: erased, and for A-revision parts the
// internal RC trim bits (FUSEX bits 11, 9 and 8) already set.
Chip fresh_chip(Chip_revision revision);

// Program-wait count the board holds after power-on, before the host sends one.
int power_on_program_wait(Chip_revision revision);

}  // namespace sim
