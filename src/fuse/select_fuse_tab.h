#pragma once
// Brings the fuse tab of the active revision to the front, once until Fuse_tab_shown is
// cleared again (by a HEX import).

namespace fuse {

void Select_fuse_tab();

} // namespace fuse
