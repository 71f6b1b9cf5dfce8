#pragma once
// FUSE, FUSEX and DEVICE words <-> panel values, for the old and the A revision.
// Pure functions: no widgets, no globals.
//
// Decoders read a binary text ("111111111111", character 1 = bit 11) and set every value
// whose characters form a valid pattern; a value whose characters are missing or not
// "0"/"1" keeps what it had. Both layouts are always decoded.
// Encoders build the word of one revision (0 = old, 1 = A) from that layout's values;
// for any other revision they give no word.

#include "session/panel_values.h"

#include <QString>
#include <optional>

namespace fuse {

void decode_fuse(const QString &bin, Fuse_panel &p);
void decode_fusex(const QString &bin, Fusex_panel &p);
void decode_device(const QString &bin, Device_panel &p);

std::optional<int> encode_fuse(const Fuse_panel &p, int rev_mode);
std::optional<int> encode_fusex(const Fusex_panel &p, int rev_mode, int pin_mode);

// The last program-memory address for the entry index of the FUSEX memory combo
// (Combo_MEM for the old revision, Combo_BPXa for the A revision); none for an index
// outside 0-3 or an unknown revision.
std::optional<int> last_address_for(int mem_index, int rev_mode);

} // namespace fuse
