#include "fuse/pgm_wait.h"

#include "fuse/tr.h"

#include "fuse/panel_behaviour.h"
#include "platform/settings.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace fuse {

double leading_number(const QString &text)
{
    int i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    QString number;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        number += text[i++];
    bool digits = false;
    while (i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9')) {
        number += text[i++];
        digits = true;
    }
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        number += text[i++];
        while (i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9')) {
            number += text[i++];
            digits = true;
        }
    }
    if (!digits)
        return 0;
    return number.toDouble();
}

QString pgm_wait_caption(const QString &text)
{
    double ms = std::floor(leading_number(text) * 1.06);
    if (ms == 0)
        ms = 0;  // no "-0"
    return Tr::tr("Programing time = %1x1.06ms= %2ms").arg(text, QString::number(ms, 'f', 0));
}

bool pgm_wait_storable(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

void Pgm_wait_changed()
{
    state::FrmMain &w = state::frmMain();
    if (w.Text_pgm_wait->text().isEmpty())
        w.Text_pgm_wait->setText(QStringLiteral("0"));  // runs this handler once more
    const QString text = w.Text_pgm_wait->text();
    w.Label_pgm_wait->setText(pgm_wait_caption(text));
    // Until the connection dialog has been closed once, the field only shows what was
    // loaded; a text that is not a plain count is shown but not remembered.
    if (state::Com_setup_done && pgm_wait_storable(text))
        platform::put_setting(state::Rev_mode == 0 ? QStringLiteral("PGM_Wait_old") : QStringLiteral("PGM_Wait_A"),
                              text);
}

} // namespace fuse
