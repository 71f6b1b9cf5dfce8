#include "fuse/option_tables.h"

namespace fuse {

void Combo_init() {}

} // namespace fuse
