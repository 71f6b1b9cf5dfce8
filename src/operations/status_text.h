#pragma once
// The status bar's panels, numbered from 1.

#include <QString>

namespace operations {

void Set_status_text(int panel, const QString &text);
QString status_text(int panel);

} // namespace operations
