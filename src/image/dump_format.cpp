#include "image/dump_format.h"

#include "words/word_text.h"

#include <algorithm>

namespace image {

QStringList dump_lines(const std::vector<QString> &image, int last_address, const QString &fuse,
                       const QString &fusex)
{
    QStringList lines;
    QString words;
    QString chars;
    const int last = std::min(last_address, int(image.size()) - 1);
    for (int a = 0; a <= last; ++a) {
        // An image entry is always four characters wide.
        const QString word = image[size_t(a)].leftJustified(4, QLatin1Char(' '), true);
        words += QLatin1Char(' ') + word;
        chars += words::Word_to_ascii(word);
        if ((a + 1) % 8 == 0) {
            const QString address = QString::number(a - 7 + 0x10000, 16).toUpper().right(4);
            lines << address + QLatin1Char(':') + words + QLatin1Char(' ') + chars;
            words.clear();
            chars.clear();
        }
    }
    lines << QStringLiteral("FUSE  =") + fuse << QStringLiteral("FUSEX =") + fusex;
    return lines;
}

} // namespace image
