#pragma once
// The command tab's buttons: one board command each, for single steps by hand.

class QBoxLayout;
class QWidget;

namespace state { struct Command_tab_controls; }

namespace manual {

// Creates the fourteen command buttons inside `tab`, one below the other in `column`, and
// connects them.
void build_command_buttons(state::Command_tab_controls &c, QWidget *tab, QBoxLayout *column);

} // namespace manual
