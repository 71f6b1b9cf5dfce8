#pragma once
// The text of the dump file "sx_hex.txt": eight words per line, then FUSE and FUSEX.

#include <QString>
#include <QStringList>
#include <vector>

namespace image {

// Word lines for addresses 0 to `last_address` (whole lines of eight words only), then
// "FUSE  =<fuse>" and "FUSEX =<fusex>". Each word line reads
// "AAAA: wwww wwww wwww wwww wwww wwww wwww wwww cccccccccccccccc".
QStringList dump_lines(const std::vector<QString> &image, int last_address, const QString &fuse,
                       const QString &fusex);

} // namespace image
