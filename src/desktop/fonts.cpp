#include "desktop/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

namespace desktop {

QFont fixed_font(int point_size)
{
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const QString &wanted : {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),  // untranslated: font names
                                      QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),  // untranslated: font names
                                      QStringLiteral("Noto Sans Mono CJK JP")})
            if (families.contains(wanted))
                return wanted;
        return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    }();
    QFont f(family, point_size);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    return f;
}

QFont value_font()
{
    QFont f = fixed_font();
    f.setPointSizeF(QApplication::font().pointSizeF() + 1);
    return f;
}

} // namespace desktop
