#include "shell/trace_control.h"

#include "desktop/file_dialog.h"
#include "desktop/translation.h"
#include "link/trace.h"
#include "platform/settings.h"
#include "shell/frm_main.h"
#include "shell/tr.h"
#include "shell/windows.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>

namespace shell {
void add_trace_menu_entry(FrmMain &w)
{
    QAction *entry = w.mnuOptionMain->addAction(QString());
    entry->setObjectName(QStringLiteral("mnuTrace"));
    desktop::show_text(entry, "shell", QT_TRANSLATE_NOOP("shell", "通信ログを保存..."));
    entry->setCheckable(true);
    QObject::connect(entry, &QAction::triggered, &w, [entry] {
        trace_menu_chosen();
        entry->setChecked(comm::tracing(session()));
    });
    // A trace started from the command line, or ended by a full disk, shows when the menu opens.
    QObject::connect(w.mnuOptionMain, &QMenu::aboutToShow, entry, [entry] { entry->setChecked(comm::tracing(session())); });
}

void trace_menu_chosen()
{
    if (comm::tracing(session())) {
        comm::stop_trace(session());
        return;
    }
    // The file dialog would hold a running exchange in the middle of its wait.
    if (session().Operation_running)
        return;
    desktop::File_request request;
    request.save = true;
    request.title = Tr::tr("通信ログを保存");
    request.folder = platform::get_setting(QStringLiteral("TRACE_DIR"), QString());
    request.file_name = QStringLiteral("qorvil-trace.log");
    request.filter = Tr::tr("Log File|*.log|ALL Files|*.*|");
    request.default_suffix = QStringLiteral("log");
    const QString chosen = desktop::ask_file(request, &frmMain());
    if (chosen.isEmpty())
        return;
    platform::put_setting(QStringLiteral("TRACE_DIR"), QFileInfo(chosen).path());
    const QString failure = start_window_trace(chosen);
    if (!failure.isEmpty())
        session().Set_status_text(session::Panel::activity, failure);
}

QString start_window_trace(const QString &path)
{
    const QString reason = comm::start_trace(session(), path);
    if (reason.isEmpty())
        return {};
    return Tr::tr("通信ログを保存できません: %1 (%2)").arg(path, reason);
}

} // namespace shell
