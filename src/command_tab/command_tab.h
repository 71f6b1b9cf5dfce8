#pragma once
// Building the command tab.

#include "command_tab/command_tab_controls.h"
#include "session/session.h"

class QWidget;

namespace manual {

// Creates the controls of the command tab inside `tab`; its buttons act on `s`.
void build_command_tab(Command_tab_controls &c, QWidget *tab, session::Session &s);

} // namespace manual
