#pragma once
// Which tab of the main window is in front, as far as the words are concerned: on a fuse tab
// the panel follows the word texts, on the command tab the word texts follow the panel.

#include "session/session.h"

namespace fuse {

// What choosing `tab` does to the words and the panel; the programming wait is shown (and
// stored) again.
void Tab_switch(session::Session &s, session::Tab tab);

// Brings the fuse tab of the active revision to the front, once until Fuse_tab_shown is
// cleared again (by a HEX import); from then on the bulk write commands show their
// acknowledges.
void Select_fuse_tab(session::Session &s);

} // namespace fuse
