#pragma once
// Moving the FUSE, FUSEX and DEVICE words between their labels on the command tab and the
// controls of the fuse tabs.

namespace fuse {

// Decoders: set the controls of both layouts from the binary-text labels.
void Fuse_word_to_panel();
void Fusex_word_to_panel();   // also sets Last_address from the active memory combo
void Device_word_to_panel();

// Encoders: build the word of the active revision (Rev_mode) into the two labels.
void Fuse_panel_to_word();
void Fusex_panel_to_word();   // also sets Last_address from the active memory combo

} // namespace fuse
