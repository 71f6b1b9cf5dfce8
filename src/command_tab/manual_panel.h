#pragma once
// The command tab's buttons: one board command each, for single steps by hand.

#include "session/session.h"

class QBoxLayout;
class QWidget;

namespace manual {

struct Command_tab_controls;

// Creates the fourteen command buttons inside `tab`, one below the other in `column`, and
// connects them to the commands on `s`.
void build_command_buttons(Command_tab_controls &c, QWidget *tab, QBoxLayout *column, session::Session &s);

} // namespace manual
