#include "state/busy.h"

#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QTimer>

namespace state {

Busy_scope::Busy_scope() : outermost_(!Operation_running) { Operation_running = true; }

Busy_scope::~Busy_scope()
{
    if (!outermost_)
        return;
    Operation_running = false;
    // A close of the main window that waited for the exchange to end goes on now.
    if (Close_requested)
        QTimer::singleShot(0, &frmMain(), [] { frmMain().close(); });
}

bool busy() { return Operation_running; }

} // namespace state
