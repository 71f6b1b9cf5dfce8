#pragma once
// Only the fuse tab of the chosen revision shows its frames; the other tab names the
// revision that is selected.

namespace fuse {

struct Fuse_controls;

// rev 0: old revision, 1: A revision.
void apply_revision_layout(Fuse_controls &c, int rev);

} // namespace fuse
