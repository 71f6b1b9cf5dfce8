#include "image/hex_export.h"

#include "image/tr.h"

#include "fuse/fuse_words.h"
#include "image/hex_records.h"
#include "words/word_text.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace image {
namespace {

// A word text as its two bytes in file order: low byte, then high byte.
void append_word(std::vector<unsigned char> &bytes, const QString &word)
{
    bytes.push_back(words::Hex2_to_byte(word.right(2)));
    bytes.push_back(words::Hex2_to_byte(word.left(2)));
}

QString record(int address, const std::vector<unsigned char> &bytes)
{
    return QString::fromStdString(hex::record_text(address, 0, bytes.data(), bytes.size()));
}

QByteArray file_contents(const QStringList &records)
{
    QByteArray data;
    for (const QString &r : records) {
        data += r.toLatin1();
        data += "\r\n";
    }
    return data;
}

// Writes all of `data`, going on after a short write so that the reason of a failure
// (disk full, file too large) is the one reported. Returns an empty text on success.
QString write_all(QFileDevice &f, const QByteArray &data)
{
    qint64 done = 0;
    while (done < data.size()) {
        const qint64 n = f.write(data.constData() + done, data.size() - done);
        if (n <= 0)
            return f.errorString();
        done += n;
    }
    return {};
}

// Writes `data` to `path`. A regular file (or a new one) is replaced only when the new
// contents are complete; a device or other special file is written in place. Returns an
// empty text on success, else the reason. Unbuffered, so that every failed write shows.
QString write_file(const QString &path, const QByteArray &data)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
            return f.errorString();
        return write_all(f, data);
    }
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return f.errorString();
    // Left uncommitted, the new contents are thrown away and the old file stays.
    if (const QString reason = write_all(f, data); !reason.isEmpty())
        return reason;
    if (!f.commit())
        return f.errorString();
    return {};
}

// The records of the image: one data record per eight words from address 0 to
// Last_address, the record with FUSE and FUSEX at byte address 0x2020, the end record.
// Every byte is written as two upper-case hex digits, whatever the case of the word texts.
QStringList hex_records_of_image(const session::Session &s)
{
    QStringList records;
    std::vector<unsigned char> bytes;
    const int last = std::min<int>(s.Last_address, session::image_size - 1);
    for (int i = 0; i <= last; ++i) {
        append_word(bytes, s.Mem_buffer[size_t(i)]);
        if (i % 8 == 7) {
            records << record((i - 7) * 2, bytes);
            bytes.clear();
        }
    }
    bytes.clear();  // words after the last full record are not written
    append_word(bytes, s.Label_fuse_word);
    append_word(bytes, s.Label_fusex_word);
    records << record(hex::fuse_address_2 * 2, bytes);
    records << QString::fromStdString(hex::record_text(0, 1, nullptr, 0));
    return records;
}

} // namespace

bool Export_hex(session::Session &s, const QString &path)
{
    fuse::Fusex_panel_to_word(s);
    fuse::Fuse_panel_to_word(s);
    const QString reason = write_file(path, file_contents(hex_records_of_image(s)));
    if (!reason.isEmpty()) {
        s.Set_status_text(session::Panel::activity, [reason] { return Tr::tr("ファイル保存失敗。") + reason; });
        return false;
    }
    return true;
}

} // namespace image
