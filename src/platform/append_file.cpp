#include "platform/append_file.h"

namespace platform {

QString Append_file::open(const QString &path)
{
    close();
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Append))
        return file_.errorString();
    return {};
}

void Append_file::close()
{
    if (file_.isOpen())
        file_.close();
}

bool Append_file::append_line(const QByteArray &line)
{
    return file_.write(line + '\n') == line.size() + 1 && file_.flush();
}

} // namespace platform
