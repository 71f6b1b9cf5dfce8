#include "shell/trace_control.h"

#include "shell/tr.h"
#include "state/translation.h"

#include "link/trace.h"
#include "platform/file_dialog.h"
#include "state/busy.h"
#include "state/frm_main.h"
#include "state/status_bar.h"
#include "state/windows.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace shell {
void add_trace_menu_entry(state::FrmMain &w)
{
    QAction *entry = w.mnuOptionMain->addAction(QString());
    entry->setObjectName(QStringLiteral("mnuTrace"));
    state::show_text(entry, "shell", QT_TRANSLATE_NOOP("shell", "通信ログを保存..."));
    entry->setCheckable(true);
    QObject::connect(entry, &QAction::triggered, &w, [entry] {
        trace_menu_chosen();
        entry->setChecked(comm::tracing());
    });
    // A trace started from the command line, or ended by a full disk, shows when the menu opens.
    QObject::connect(w.mnuOptionMain, &QMenu::aboutToShow, entry, [entry] { entry->setChecked(comm::tracing()); });
}

void trace_menu_chosen()
{
    if (comm::tracing()) {
        comm::stop_trace();
        return;
    }
    // The file dialog would hold a running exchange in the middle of its wait.
    if (state::busy())
        return;
    platform::File_request request;
    request.save = true;
    request.title = Tr::tr("通信ログを保存");
    request.file_name = QStringLiteral("qorvil-trace.log");
    request.filter = Tr::tr("Log File|*.log|ALL Files|*.*|");
    request.default_suffix = QStringLiteral("log");
    const QString chosen = platform::ask_file(request, &state::frmMain());
    if (chosen.isEmpty())
        return;
    const QString failure = start_window_trace(chosen);
    if (!failure.isEmpty())
        state::Set_status_text(3, failure);
}

QString start_window_trace(const QString &path)
{
    const QString reason = comm::start_trace(path);
    if (reason.isEmpty())
        return {};
    return Tr::tr("通信ログを保存できません: %1 (%2)").arg(path, reason);
}

QString trace_argument(const QStringList &args)
{
    const int i = args.indexOf(QStringLiteral("--trace"));
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : QString();
}

} // namespace shell
