#include "state/globals.h"

namespace state {

void reset_all()
{
#define QORVIL_RESET_GLOBAL(type, name, start) name = start;
    QORVIL_GLOBALS(QORVIL_RESET_GLOBAL)
#undef QORVIL_RESET_GLOBAL
}

} // namespace state
