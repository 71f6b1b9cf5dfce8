#include "chip.h"

namespace sim {

namespace {
// Factory FUSEX of an A-revision part: trim bits 11, 9, 8 = 1, 0, 1; the
// remaining bits erased.
constexpr std::uint16_t a_revision_factory_fusex = 0x0DFF;
}  // namespace

void Chip::erase()
{
    words.fill(blank_word);
    fuse = blank_word;
    fusex = blank_word;
}

bool Chip::operator==(const Chip& other) const
{
    return words == other.words && fuse == other.fuse && fusex == other.fusex;
}

Chip fresh_chip(Chip_revision revision)
{
    Chip chip;
    if (revision == Chip_revision::a_revision)
        chip.fusex = a_revision_factory_fusex;
    return chip;
}

int power_on_program_wait(Chip_revision revision)
{
    return revision == Chip_revision::old_revision ? 240 : 45;
}

}  // namespace sim
