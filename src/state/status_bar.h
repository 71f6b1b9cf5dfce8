#pragma once
// The status bar's panels, numbered from 1.

#include <QString>
#include <functional>

namespace state {

void Set_status_text(int panel, const QString &text);
QString status_text(int panel);

// Sees every status text as it is set (batch mode prints them).
void set_status_observer(std::function<void(int panel, const QString &text)> observer);

} // namespace state
