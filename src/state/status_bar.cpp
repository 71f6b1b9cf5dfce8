#include "state/status_bar.h"

#include "state/frm_main.h"
#include "state/windows.h"

#include <QLabel>

namespace state {

namespace {
std::function<void(int, const QString &)> observer;
}

void set_status_observer(std::function<void(int, const QString &)> o) { observer = std::move(o); }

void Set_status_text(int panel, const QString &text)
{
    if (panel < 1 || panel > 5)
        return;
    state::frmMain().sbPanel[size_t(panel)]->setText(text);
    if (observer)
        observer(panel, text);
}

QString status_text(int panel)
{
    return panel >= 1 && panel <= 5 ? state::frmMain().sbPanel[size_t(panel)]->text() : QString();
}

} // namespace state
