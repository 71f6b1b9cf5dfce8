#include "desktop/captions.h"

#include <QLabel>
#include <QVariant>

namespace desktop {

void set_caption(QLabel *label, const QString &text)
{
    label->setProperty("caption", text);
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
    label->setText(shown);
}

QString caption(const QLabel *label)
{
    const QVariant v = label->property("caption");
    return v.isValid() ? v.toString() : label->text();
}

} // namespace desktop
