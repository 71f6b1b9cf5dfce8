#include "fuse/select_fuse_tab.h"

#include "fuse/oscillator_rule.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QTabWidget>

namespace fuse {

void Select_fuse_tab()
{
    if (state::Fuse_tab_shown)
        return;
    state::Fuse_tab_shown = true;
    state::Link.comxx_Display_mode = true;
    state::FrmMain &w = state::frmMain();
    w.SSTab1->setCurrentIndex(state::Rev_mode != 0 ? 1 : 0);  // the tab switch runs from here
    apply_irca_rule(w);
}

} // namespace fuse
