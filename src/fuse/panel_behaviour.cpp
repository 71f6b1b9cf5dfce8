#include "fuse/panel_behaviour.h"

#include "shell/frm_main.h"
#include "shell/windows.h"

#include <QTabWidget>

namespace fuse {

void connect_panel_handlers()
{
    auto &w = shell::frmMain();
    QObject::connect(w.SSTab1, &QTabWidget::currentChanged, &w, [](int index) { Tab_switch(index); });
}

void Tab_switch(int) {}

void Pgm_wait_changed() {}

} // namespace fuse
