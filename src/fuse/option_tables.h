#pragma once
// The option lists of the fuse panel's combo boxes.

namespace fuse {

// Empties and refills every combo box of both layouts and selects its default entry.
void Combo_init();

} // namespace fuse
