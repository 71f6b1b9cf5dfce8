#pragma once
// Check box states as numbers: 0 unchecked, 1 checked, 2 grayed.

class QCheckBox;

namespace fuse {

int check_value(const QCheckBox *box);
void set_check_value(QCheckBox *box, int value);

} // namespace fuse
