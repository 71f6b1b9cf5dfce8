#include "shell/help_viewer.h"

#include "shell/tr.h"

#include "platform/files.h"
#include "desktop/message_box.h"
#include "session/version.h"

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace shell {
namespace {
QPointer<Help_viewer> viewer;
}

Help_viewer::Help_viewer(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Help_viewer"));
    setWindowTitle(Tr::tr("%1 ヘルプ").arg(session::app_title));
    resize(fontMetrics().averageCharWidth() * 100, fontMetrics().height() * 40);
    auto *layout = new QVBoxLayout(this);
    browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("browser"));
    browser->setOpenExternalLinks(true);
    layout->addWidget(browser);
}

Help_viewer *Help_viewer::instance() { return viewer; }

bool Help_viewer::show_help(QWidget *parent)
{
    const QString file = platform::help_file();
    if (file.isEmpty()) {
        desktop::show_message({desktop::Icon::information, session::app_title,
                                Tr::tr("ヘルプファイルが見つかりません。"), desktop::Buttons::ok},
                               parent);
        return false;
    }
    if (!viewer)
        viewer = new Help_viewer(parent);
    viewer->browser->setSource(QUrl::fromLocalFile(file));
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return true;
}

} // namespace shell
