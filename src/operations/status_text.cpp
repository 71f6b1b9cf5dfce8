#include "operations/status_text.h"

#include "shell/frm_main.h"
#include "shell/windows.h"

#include <QLabel>

namespace operations {

void Set_status_text(int panel, const QString &text)
{
    if (panel >= 1 && panel <= 5)
        shell::frmMain().sbPanel[size_t(panel)]->setText(text);
}

QString status_text(int panel)
{
    return panel >= 1 && panel <= 5 ? shell::frmMain().sbPanel[size_t(panel)]->text() : QString();
}

} // namespace operations
