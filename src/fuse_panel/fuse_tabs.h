#pragma once
// Building the two fuse tabs.

#include "fuse_panel/fuse_controls.h"

class QWidget;

namespace fuse {

// Creates the controls of both fuse tabs inside `old_tab` and `a_tab`.
void build_fuse_tabs(Fuse_controls &c, QWidget *old_tab, QWidget *a_tab);

} // namespace fuse
