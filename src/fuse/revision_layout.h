#pragma once
// Only the fuse tab of the chosen revision shows its frames; the other tab names the
// revision that is selected.

#include <QString>

namespace fuse {

// rev 0: old revision, 1: A revision.
void apply_revision_layout(int rev);

// The stored program-wait count of a revision ("PGM_Wait_old" / "PGM_Wait_A").
QString stored_pgm_wait(int rev);

} // namespace fuse
