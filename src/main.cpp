// Qorvil: host program for the SX18AC/SX28AC in-system programmer board.

#include "shell/startup.h"
#include "shell/version.h"
#include "shell/windows.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Qorvil"));
    QApplication::setOrganizationName(QStringLiteral("Qorvil"));
    QApplication::setApplicationVersion(QStringLiteral("1.6.40"));

    // Arguments are ignored, except the two every command-line user expects.
    const QStringList args = QApplication::arguments();
    if (args.contains(QStringLiteral("--version"))) {
        std::printf("Qorvil %s\n", qPrintable(shell::version_text()));
        return 0;
    }
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        std::printf("Usage: qorvil\n\n"
                    "Host program for the SX18AC/SX28AC in-system programmer board.\n"
                    "Opens the main window and the connection dialog; other arguments are ignored.\n\n"
                    "  --help       show this text\n"
                    "  --version    show the version\n");
        return 0;
    }

    shell::install_app_icon();
    if (!shell::run_startup())
        return 0;
    const int rc = app.exec();
    shell::unload_all_windows();
    return rc;
}
