#include "fuse/pgm_wait.h"

#include "fuse/tr.h"
#include "platform/settings.h"

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

void Pgm_wait_changed(session::Session &s)
{
    if (s.Text_pgm_wait.isEmpty())
        s.Text_pgm_wait = QStringLiteral("0");
    s.show(session::pgm_wait);
    // Until the connection dialog has been closed once, the field only shows what was
    // loaded; a text that is not a plain count is shown but not remembered.
    if (s.Com_setup_done && pgm_wait_storable(s.Text_pgm_wait))
        platform::put_setting(s.Rev_mode == 0 ? QStringLiteral("PGM_Wait_old") : QStringLiteral("PGM_Wait_A"),
                              s.Text_pgm_wait);
}

void set_pgm_wait(session::Session &s, const QString &text)
{
    s.Text_pgm_wait = text;
    Pgm_wait_changed(s);
}

QString stored_pgm_wait(int rev)
{
    return rev != 0 ? platform::get_setting(QStringLiteral("PGM_Wait_A"), QStringLiteral("45"))
                    : platform::get_setting(QStringLiteral("PGM_Wait_old"), QStringLiteral("240"));
}

} // namespace fuse
