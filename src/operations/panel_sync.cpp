#include "operations/panel_sync.h"

#include "fuse/fuse_words.h"
#include "state/frm_main.h"
#include "state/windows.h"

#include <QTabWidget>

namespace operations {

void sync_words_and_panel()
{
    if (state::frmMain().SSTab1->currentIndex() == 2) {
        fuse::Fuse_word_to_panel();
        fuse::Fusex_word_to_panel();
    } else {
        fuse::Fuse_panel_to_word();
        fuse::Fusex_panel_to_word();
    }
}

} // namespace operations
