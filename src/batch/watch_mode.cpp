#include "batch/watch_mode.h"
#include "batch/tr.h"

#include "image/hex_import.h"
#include "image/hex_records.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <utility>

namespace batch {

QString hex_file_problem(const QString &path)
{
    const QFileInfo file_info(path);
    if (file_info.exists() && !file_info.isFile())
        return Tr::tr("%1 is not a regular file").arg(path);
    if (file_info.size() > image::max_hex_file_size)
        return Tr::tr("%1 is larger than any image can be").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Tr::tr("%1 cannot be read: %2").arg(path, file.errorString());
    const QByteArray text = file.readAll();
    const image::hex::Read_outcome outcome = image::hex::read_hex(
        image::hex::text_source(std::string_view(text.constData(), size_t(text.size()))), [](int, const std::string &) {});
    if (outcome.end != image::hex::Read_end::end_of_file)
        return Tr::tr("%1 is not a complete Intel HEX file (line %2: %3)")
            .arg(path)
            .arg(outcome.line_number)
            .arg(QString::fromStdString(outcome.problem));
    QByteArray last;
    for (const QByteArray &line : text.split('\n'))
        if (!line.trimmed().isEmpty())
            last = line.trimmed();
    const image::hex::Line_info info = image::hex::examine_line(std::string_view(last.constData(), size_t(last.size())));
    if (info.kind != image::hex::Line_kind::skipped || info.record_type != 1)
        return Tr::tr("%1 does not end with the end record yet").arg(path);
    return {};
}

Watched_file::Watched_file(const QString &path) : watch_(path, 300, [this] { changed_ = true; }) {}

bool Watched_file::wait_for_new_version(const std::function<bool()> &stopped)
{
    QEventLoop loop;
    QTimer look;
    look.callOnTimeout([&] {
        if (changed_ || stopped())
            loop.quit();
    });
    look.start(50);
    if (!changed_ && !stopped())
        loop.exec();
    return std::exchange(changed_, false);
}

} // namespace batch
