#pragma once
// Which oscillator controls may be used: the internal-RC frequency list only while the
// internal RC oscillator is checked, the external-oscillator controls only while it is not.

namespace fuse {

struct Fuse_controls;

// Old revision: Check_IRC decides between Combo_DIV and Combo_FOSC.
void apply_irc_rule(Fuse_controls &c);
// A revision: Check_IRCa decides between Combo_DIVa and Combo_FOSCa with Check_IFBDa.
void apply_irca_rule(Fuse_controls &c);

} // namespace fuse
