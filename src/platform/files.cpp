#include "platform/files.h"

#include "platform/argument_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringConverter>
#include <QUrl>

#include <unistd.h>

namespace platform {
namespace {
QString with_separator(QString folder)
{
    folder = QDir::toNativeSeparators(QDir::cleanPath(folder));
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}
} // namespace

QString program_folder() { return with_separator(QCoreApplication::applicationDirPath()); }

QString work_folder()
{
    const QString forced = qEnvironmentVariable("QORVIL_WORK_DIR");
    if (!forced.isEmpty()) {
        QDir().mkpath(forced);
        return with_separator(forced);
    }
    static const QString folder = [] {
        const QString own = program_folder();
        const QFileInfo info(own);
        if (info.isWritable() && !own.startsWith(QLatin1String("/usr/")))
            return own;
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
        QDir().mkpath(data);
        return with_separator(data);
    }();
    return folder;
}

namespace {
QString help_language = QStringLiteral("ja");

QString find_help(const QString &name)
{
    QStringList candidates{program_folder() + name, program_folder() + QStringLiteral("docs/") + name,
                           program_folder() + QStringLiteral("../share/qorvil/") + name,
                           program_folder() + QStringLiteral("../../docs/") + name};
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        candidates << dir + QStringLiteral("/qorvil/") + name;
    for (const QString &c : candidates)
        if (QFileInfo::exists(c))
            return QDir::cleanPath(c);
    return {};
}
} // namespace

void set_help_language(const QString &language) { help_language = language; }

QString help_file()
{
    // The document of the language chosen, else the Japanese one.
    if (help_language != QLatin1String("ja"))
        if (const QString own = find_help(QStringLiteral("qorvil_help_%1.html").arg(help_language)); !own.isEmpty())
            return own;
    return find_help(QStringLiteral("qorvil_help.html"));
}

QString help_address(const QString &section)
{
    const QString file = help_file();
    if (file.isEmpty())
        return {};
    QUrl url = QUrl::fromLocalFile(file);
    url.setFragment(section);
    return url.toString();
}

QString write_text_lines(const QString &path, const QStringList &lines)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return f.errorString();
    QByteArray data;
    auto encode = QStringEncoder(QStringConverter::System);
    for (const QString &line : lines) {
        data += encode(line);
        data += "\r\n";
    }
    if (f.write(data) != data.size())
        return f.errorString();
    if (!f.flush())
        return f.errorString();
    f.close();
    if (f.error() != QFileDevice::NoError)
        return f.errorString();
    return {};
}

bool can_read(const QString &path)
{
    // Asked rather than tried: opening a pipe would wait for a writer.
    if (write_protected_argument(path) && !path.startsWith(QLatin1String("/proc/self/fd/")))
        return false;  // named in an encoding that could not be opened: it does not exist
    const QFileInfo info(path);
    return info.exists() && !info.isDir() && ::access(QFile::encodeName(info.absoluteFilePath()).constData(), R_OK) == 0;
}

QString output_problem(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty())
        return QCoreApplication::translate("platform", "no file named");
    if (write_protected_argument(path))
        return QCoreApplication::translate("platform", "%1: a file whose name is not UTF-8 can be read, not written")
            .arg(path);
    if (info.isDir())
        return QCoreApplication::translate("platform", "%1 is a folder").arg(path);
    if (info.exists() && !info.isFile())
        return QCoreApplication::translate("platform", "%1 is not a regular file").arg(path);
    if (!QFileInfo(info.absolutePath()).isDir())
        return QCoreApplication::translate("platform", "the folder of %1 does not exist").arg(path);
    if (info.exists() ? !info.isWritable() : !QFileInfo(info.absolutePath()).isWritable())
        return QCoreApplication::translate("platform", "%1 cannot be written").arg(path);
    return {};
}

void remove_file(const QString &path) { QFile::remove(path); }

} // namespace platform
