// Qorvil: host program for the SX18AC/SX28AC in-system programmer board.

#include "platform/files.h"
#include "shell/batch.h"
#include "shell/language.h"
#include "shell/startup.h"
#include "shell/trace_control.h"
#include "state/status_bar.h"
#include "state/version.h"
#include "shell/windows.h"
#include "state/windows.h"

#include <QApplication>
#include <cstdio>
#include <string>

namespace {

bool has(int argc, char **argv, const char *wanted)
{
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == wanted)
            return true;
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool batch = has(argc, argv, "--batch");
    // Printing a text needs no display either.
    const bool text_only = has(argc, argv, "--help") || has(argc, argv, "-h") || has(argc, argv, "--version")
                           || has(argc, argv, "--help-path");
    if (text_only && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (batch) {
        qputenv("QT_QPA_PLATFORM", "offscreen");  // no window on screen
        // Standard error belongs to the run's own report, not to toolkit chatter.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "qorvil: %s\n", text.toLocal8Bit().constData());
        });
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Qorvil"));
    QApplication::setOrganizationName(QStringLiteral("Qorvil"));
    QApplication::setApplicationVersion(QStringLiteral("1.6.40"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.qorvil.Qorvil"));
    const QString language = shell::chosen_language(QApplication::arguments());
    if (!shell::apply_language(language)) {
        std::fprintf(stderr, "qorvil: unknown language '%s' (ja or en)\n", qPrintable(language));
        return 3;
    }

    if (batch) {
        const int rc = shell::run_batch(QApplication::arguments().mid(1));
        shell::unload_all_windows();
        return rc;
    }
    if (has(argc, argv, "--version")) {
        std::printf("Qorvil %s\n", qPrintable(state::version_text()));
        return 0;
    }
    if (has(argc, argv, "--help") || has(argc, argv, "-h")) {
        std::fputs(shell::program_usage().toUtf8().constData(), stdout);
        return 0;
    }
    if (has(argc, argv, "--help-path")) {
        const QString path = platform::help_file();
        std::printf("%s\n", path.toLocal8Bit().constData());
        return path.isEmpty() ? 1 : 0;
    }

    shell::install_app_icon();
    // Started before the connection dialog, so that its identification is traced too.
    const QString trace_file = shell::trace_argument(QApplication::arguments());
    const QString trace_failure = trace_file.isEmpty() ? QString() : shell::start_window_trace(trace_file);
    if (!shell::run_startup())
        return 0;
    if (!trace_failure.isEmpty())
        state::Set_status_text(3, trace_failure);
    const int rc = app.exec();
    shell::unload_all_windows();
    return rc;
}
