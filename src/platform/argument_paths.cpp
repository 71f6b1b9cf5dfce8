#include "platform/argument_paths.h"

#include <QSet>
#include <QStringDecoder>

#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace platform {
namespace {

std::mutex guard;
QSet<QString> write_protected;

bool valid_utf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

QString open_file_path(int fd) { return QStringLiteral("/proc/self/fd/%1").arg(fd); }

} // namespace

QString argument_text(const char *raw)
{
    const QByteArray bytes(raw);
    if (valid_utf8(bytes))
        return QString::fromUtf8(bytes);
    const qsizetype slash = bytes.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : bytes.left(slash);
    const QByteArray name = bytes.mid(slash + 1);
    // Kept open for the life of the process: the argument's text names the folder through it.
    const int folder_fd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder_fd >= 0 && valid_utf8(name))
        return open_file_path(folder_fd) + QLatin1Char('/') + QString::fromUtf8(name);
    // Non-blocking, so that a pipe does not wait for its writer here.
    const int file_fd = ::open(bytes.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    const QString text = file_fd >= 0 ? open_file_path(file_fd) : QString::fromUtf8(bytes);
    const std::lock_guard<std::mutex> lock(guard);
    write_protected.insert(text);
    return text;
}

QStringList arguments(int argc, char *argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << argument_text(argv[i]);
    return args;
}

bool write_protected_argument(const QString &path)
{
    const std::lock_guard<std::mutex> lock(guard);
    return write_protected.contains(path);
}

} // namespace platform
