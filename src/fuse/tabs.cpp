#include "fuse/tabs.h"

#include "fuse/fuse_words.h"
#include "fuse/pgm_wait.h"

namespace fuse {

void Tab_switch(session::Session &s, session::Tab tab)
{
    s.shown_tab = tab;
    s.show(session::tab);
    switch (tab) {
    case session::Tab::fuse_old:
    case session::Tab::fuse_a:
        Fuse_word_to_panel(s);
        Fusex_word_to_panel(s);
        break;
    case session::Tab::commands:
        Fuse_panel_to_word(s);
        Fusex_panel_to_word(s);
        break;
    case session::Tab::memory:
        break;
    }
    Pgm_wait_changed(s);
}

void Select_fuse_tab(session::Session &s)
{
    if (s.Fuse_tab_shown)
        return;
    s.Fuse_tab_shown = true;
    s.Link.comxx_Display_mode = true;
    const session::Tab tab = s.Rev_mode != 0 ? session::Tab::fuse_a : session::Tab::fuse_old;
    if (s.shown_tab != tab)
        Tab_switch(s, tab);
    s.show(session::panel);  // the oscillator rule of the A revision holds again
}

} // namespace fuse
