#pragma once
// Which oscillator controls may be used: the internal-RC frequency list only while the
// internal RC oscillator is checked, the external-oscillator controls only while it is not.

namespace state { struct Fuse_controls; struct Command_tab_controls; }

namespace fuse {


// Old revision: Check_IRC decides between Combo_DIV and Combo_FOSC.
void apply_irc_rule(state::Fuse_controls &c);
// A revision: Check_IRCa decides between Combo_DIVa and Combo_FOSCa with Check_IFBDa.
void apply_irca_rule(state::Fuse_controls &c);

// The click handlers of Check_IRC and Check_IRCa on the main window.
void Check_IRC_click();
void Check_IRCa_click();

} // namespace fuse
