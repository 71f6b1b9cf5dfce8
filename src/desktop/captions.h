#pragma once
// Captions whose lines end in a lone carriage return are kept exactly as the program set
// them and shown with their line breaks.

#include <QString>

class QLabel;

namespace desktop {

void set_caption(QLabel *label, const QString &text);
QString caption(const QLabel *label);

} // namespace desktop
