#pragma once
// The production log of `--log-csv FILE`: one CSV row (RFC 4180) per board and run,
// appended under a lock so that the boards of a gang never mix their rows.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace batch {

// CRC-32 as zlib and PNG compute it (polynomial 0xEDB88320, reflected, inverted).
std::uint32_t crc32(const QByteArray &bytes);

// The bytes the log's CRC covers: every word (12 bits) as two bytes, low byte first.
QByteArray word_bytes(const std::vector<int> &words);

// One field as RFC 4180 wants it: in double quotes, doubled inside, when it holds a comma,
// a quote or a line break.
QString csv_field(const QString &text);
// Fields joined by commas, ended by CR LF.
QByteArray csv_row(const QStringList &fields);

struct Log_row {
    QString time;    // ISO 8601 with the offset from UTC
    QString port, device, image;
    QString crc;     // eight upper-case hex digits, empty without an image
    QString serial;  // decimal, empty without a serial number
    QString result;
    double seconds = 0;
};

// Appends the row, with the header row first when the file is new. Returns an empty text or
// why the file could not be written.
QString append_log_row(const QString &path, const Log_row &row);

} // namespace batch
