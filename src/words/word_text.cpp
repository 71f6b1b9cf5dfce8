#include "words/word_text.h"

#include <cmath>

namespace words {
namespace {
int upper_hex_value(QChar c)
{
    if (c >= '0' && c <= '9')
        return c.unicode() - '0';
    if (c >= 'A' && c <= 'F')
        return c.unicode() - 'A' + 10;
    return -1;
}

QChar display_char(int byte)
{
    if (byte < 32 || byte > 126)  // DEL is a control character too
        return substitute_char;
    return QChar(byte);
}
} // namespace

QString Hex_to_bin_text(const QString &t)
{
    QString out;
    for (int i = 1; i <= 3 && i < t.size(); ++i) {
        const int v = upper_hex_value(t[i]);
        if (v < 0)
            continue;
        for (int bit = 3; bit >= 0; --bit)
            out += (v >> bit) & 1 ? QLatin1Char('1') : QLatin1Char('0');
    }
    return out;
}

QString Num_to_hex4(double x)
{
    const long long n = std::llrint(x);  // nearest, halves to even
    // The last four hex digits of (n OR 0x10000) are its low 16 bits, negative n included.
    const unsigned low = unsigned((n | 0x10000LL) & 0xFFFF);
    return QStringLiteral("%1").arg(low, 4, 16, QLatin1Char('0')).toUpper();
}

QString Word_to_hex4(uint8_t hi, uint8_t lo)
{
    return QStringLiteral("%1").arg((hi & 0x0F) * 256 + lo, 4, 16, QLatin1Char('0')).toUpper();
}

uint8_t Hex2_to_byte(const QString &t)
{
    QString s = t.toUpper();
    if (s.isEmpty())
        s = QStringLiteral("00");
    else if (s.size() == 1)
        s.prepend('0');
    const int hi = std::max(0, upper_hex_value(s.front()));
    const int lo = std::max(0, upper_hex_value(s.back()));
    return uint8_t(hi * 16 + lo);
}

QString Word_to_ascii(const QString &t)
{
    const int hi = Hex2_to_byte(t.left(2));
    const int lo = Hex2_to_byte(t.right(2));
    return QString(display_char(hi)) + display_char(lo);
}

} // namespace words
