#include "operations/status_text.h"

#include "shell/frm_main.h"
#include "shell/windows.h"

#include <QLabel>

namespace operations {

namespace {
std::function<void(int, const QString &)> observer;
}

void set_status_observer(std::function<void(int, const QString &)> o) { observer = std::move(o); }

void Set_status_text(int panel, const QString &text)
{
    if (panel < 1 || panel > 5)
        return;
    shell::frmMain().sbPanel[size_t(panel)]->setText(text);
    if (observer)
        observer(panel, text);
}

QString status_text(int panel)
{
    return panel >= 1 && panel <= 5 ? shell::frmMain().sbPanel[size_t(panel)]->text() : QString();
}

} // namespace operations
