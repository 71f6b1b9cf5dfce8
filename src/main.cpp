// Qorvil: host program for the SX18AC/SX28AC in-system programmer board. A command line that
// asks for batch mode, help, the version or the help document's place runs without a window
// (QCoreApplication, no platform plugin); anything else opens the windows.

#include "batch/batch.h"
#include "batch/command_line.h"
#include "platform/argument_paths.h"
#include "platform/files.h"
#include "platform/language.h"
#include "session/version.h"
#include "shell/language.h"
#include "shell/startup.h"
#include "shell/trace_control.h"
#include "shell/windows.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <memory>

namespace {

void name_the_application()
{
    QCoreApplication::setApplicationName(session::app_title);
    QCoreApplication::setOrganizationName(session::app_title);
    QCoreApplication::setApplicationVersion(session::version_number());
}

// Batch mode, --help, --version and --help-path: text in, text out.
int run_without_windows(int argc, char *argv[], const batch::Command_line &command_line)
{
    // Standard error belongs to the run's own report, not to the toolkit's chatter.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "qorvil: %s\n", text.toLocal8Bit().constData());
    });
    QCoreApplication app(argc, argv);
    name_the_application();
    const QString language = platform::chosen_language(command_line.lang);
    if (!platform::install_language(language)) {
        std::fprintf(stderr, "qorvil: unknown language '%s' (ja or en)\n", qPrintable(language));
        return 3;
    }
    if (command_line.batch)
        return batch::run_batch(command_line);
    if (command_line.version) {
        std::printf("Qorvil %s\n", qPrintable(session::version_text()));
        return 0;
    }
    if (command_line.help) {
        std::fputs(batch::program_usage().toUtf8().constData(), stdout);
        return 0;
    }
    const QString path = platform::help_file();
    std::printf("%s\n", path.toLocal8Bit().constData());
    return path.isEmpty() ? 1 : 0;
}

int run_windows(int argc, char *argv[], const batch::Command_line &command_line)
{
    QApplication app(argc, argv);
    name_the_application();
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.qorvil.Qorvil"));
    const QString language = platform::chosen_language(command_line.lang);
    if (!shell::apply_language(language)) {
        std::fprintf(stderr, "qorvil: unknown language '%s' (ja or en)\n", qPrintable(language));
        return 3;
    }
    shell::install_app_icon();
    // Started before the connection dialog, so that its identification is traced too.
    const QString trace_failure =
        command_line.trace && !command_line.trace->isEmpty() ? shell::start_window_trace(*command_line.trace) : QString();
    // A file named on the command line (a double click in a file manager) is opened; any
    // other argument is passed over.
    const QString file = QFileInfo(command_line.file).isFile() ? QFileInfo(command_line.file).absoluteFilePath() : QString();
    if (!shell::run_startup(true, file))
        return 0;
    if (!trace_failure.isEmpty())
        shell::session().Set_status_text(session::Panel::activity, trace_failure);
    const int rc = app.exec();
    shell::unload_all_windows();
    return rc;
}

} // namespace

int main(int argc, char *argv[])
{
    const batch::Command_line command_line = batch::parse_command_line(platform::arguments(argc, argv));
    if (command_line.batch || command_line.help || command_line.version || command_line.help_path)
        return run_without_windows(argc, argv, command_line);
    return run_windows(argc, argv, command_line);
}
