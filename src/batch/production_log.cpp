#include "batch/production_log.h"

#include "platform/locked_file.h"

namespace batch {

std::uint32_t crc32(const QByteArray &bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= std::uint8_t(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray word_bytes(const std::vector<int> &words)
{
    QByteArray out;
    for (const int w : words)
        out.append(char(w & 0xFF)).append(char((w >> 8) & 0xFF));
    return out;
}

QString csv_field(const QString &text)
{
    if (!text.contains(',') && !text.contains('"') && !text.contains('\n') && !text.contains('\r'))
        return text;
    return '"' + QString(text).replace('"', QLatin1String("\"\"")) + '"';
}

QByteArray csv_row(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &f : fields)
        quoted << csv_field(f);
    return quoted.join(',').toUtf8() + "\r\n";
}

QString append_log_row(const QString &path, const Log_row &r)
{
    const QByteArray header =
        csv_row({QStringLiteral("time"), QStringLiteral("port"), QStringLiteral("device"), QStringLiteral("image"),
                 QStringLiteral("crc32"), QStringLiteral("serial"), QStringLiteral("result"), QStringLiteral("seconds")});
    const QByteArray row = csv_row({r.time, r.port, r.device, r.image, r.crc, r.serial, r.result,
                                    QString::number(r.seconds, 'f', 1)});
    return platform::append_locked(path, header, row);
}

} // namespace batch
