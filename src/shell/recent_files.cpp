#include "shell/recent_files.h"

#include "platform/settings.h"
#include "shell/file_commands.h"
#include "shell/frm_main.h"
#include "shell/tr.h"
#include "shell/windows.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace shell {
namespace {

constexpr int most = 8;
const QString section = QStringLiteral("Recent");

void store(const QStringList &files)
{
    for (int i = 0; i < most; ++i)
        platform::save_setting(section, QStringLiteral("File%1").arg(i + 1), files.value(i));
}

void forget(const QString &path)
{
    QStringList files = recent_files();
    files.removeAll(path);
    store(files);
}

void fill(FrmMain &w)
{
    for (QAction *a : w.mnuFile->actions())
        if (a->objectName().startsWith(QLatin1String("mnuRecent")))
            delete a;
    const QStringList files = recent_files();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        // "&1 name    folder": the number to choose it from the keyboard, the folder to tell
        // files of the same name apart.
        const QString text = QStringLiteral("&%1 %2    %3")
                                 .arg(i + 1)
                                 .arg(QFileInfo(path).fileName().replace('&', QLatin1String("&&")),
                                      QDir::toNativeSeparators(QFileInfo(path).path()).replace('&', QLatin1String("&&")));
        auto *a = new QAction(text, w.mnuFile);
        a->setObjectName(QStringLiteral("mnuRecent%1").arg(i + 1));
        QObject::connect(a, &QAction::triggered, &w, [path] {
            if (!QFileInfo(path).isFile()) {
                forget(path);
                session().Set_status_text(session::Panel::activity,
                                          [path] { return Tr::tr("%1 がありません。一覧から外しました。").arg(path); });
                return;
            }
            open_document(path);
        });
        w.mnuFile->insertAction(w.mnuFileExit, a);
    }
    if (!files.isEmpty())
        w.mnuFile->insertSeparator(w.mnuFileExit)->setObjectName(QStringLiteral("mnuRecentBar"));
}

} // namespace

QStringList recent_files()
{
    QStringList files;
    for (int i = 0; i < most; ++i) {
        const QString path = platform::read_setting(section, QStringLiteral("File%1").arg(i + 1), QString());
        if (!path.isEmpty() && !files.contains(path))
            files << path;
    }
    return files;
}

void remember_recent_file(const QString &path)
{
    QStringList files = recent_files();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files.removeAll(absolute);
    files.prepend(absolute);
    store(files.mid(0, most));
}

void add_recent_files_menu(FrmMain &w)
{
    QObject::connect(w.mnuFile, &QMenu::aboutToShow, &w, [&w] { fill(w); });
    fill(w);
}

} // namespace shell
