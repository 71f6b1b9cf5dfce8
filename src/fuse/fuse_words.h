#pragma once
// Moving the FUSE, FUSEX and DEVICE words between their word texts (Label_fuse_word …) and
// the values of the fuse panel.

#include "session/session.h"

namespace fuse {

// Decoders: set the values of both layouts from the binary texts.
void Fuse_word_to_panel(session::Session &s);
void Fusex_word_to_panel(session::Session &s);   // also sets Last_address from the active memory field
void Device_word_to_panel(session::Session &s);

// Encoders: build the word of the active revision (Rev_mode) into the two texts.
void Fuse_panel_to_word(session::Session &s);
void Fusex_panel_to_word(session::Session &s);   // also sets Last_address from the active memory field

// Sets a word and its binary text: `hex` and `bin` are two of the session's word texts.
void set_word(session::Session &s, QString &hex, QString &bin, const QString &word);

// The word texts and the panel follow the side that is the master copy: on the command tab
// the panel follows the words, on any other tab the words follow the panel.
void sync_words_and_panel(session::Session &s);

} // namespace fuse
