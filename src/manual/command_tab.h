#pragma once
// Building the command tab.

#include "state/command_tab_controls.h"

class QWidget;

namespace manual {

// Creates the controls of the command tab inside `tab`.
void build_command_tab(state::Command_tab_controls &c, QWidget *tab);

} // namespace manual
