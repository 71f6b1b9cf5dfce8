#include "test_support.h"

#include "fuse/option_tables.h"
#include "fuse/panel_behaviour.h"
#include "image/device_image.h"
#include "platform/serial_port.h"
#include "state/globals.h"
#include "shell/main_actions.h"
#include "shell/windows.h"
#include "state/windows.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

namespace test {

Message_script::Message_script()
{
    platform::set_message_responder([this](const platform::Message &m) {
        shown.push_back(m);
        if (on_show)
            on_show(m);
        if (shown.size() <= answers.size())
            return answers[shown.size() - 1];
        return fallback;
    });
}

Message_script::~Message_script() { platform::set_message_responder({}); }

File_script::File_script()
{
    platform::set_file_responder([this](const platform::File_request &r) {
        asked.push_back(r);
        return asked.size() <= size_t(answers.size()) ? answers[int(asked.size()) - 1] : QString();
    });
}

File_script::~File_script() { platform::set_file_responder({}); }

void fresh_program()
{
    if (platform::port().is_open())
        platform::port().close();
    shell::unload_all_windows();
    shell::reset_exit_state();
    state::reset_all();
    QSettings(QStringLiteral("Qorvil"), QStringLiteral("Qorvil")).clear();
    static QTemporaryDir *work = nullptr;
    delete work;
    work = new QTemporaryDir;
    qputenv("QORVIL_WORK_DIR", work->path().toUtf8());
    state::App_path = work->path() + QDir::separator();
}

state::FrmMain *program_at_rest()
{
    fresh_program();
    state::FrmMain *w = &state::frmMain();
    fuse::connect_panel_handlers();
    fuse::Combo_init();
    image::Clear_and_dump();
    return w;
}

bool wait_until(const std::function<bool()> &condition, int limit_ms)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > limit_ms)
            return condition();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(500);
    }
    return true;
}

void when_idle(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

QString stored(const QString &key)
{
    return QSettings(QStringLiteral("Qorvil"), QStringLiteral("Qorvil")).value(QStringLiteral("Settings/") + key).toString();
}

void store(const QString &key, const QString &value)
{
    QSettings(QStringLiteral("Qorvil"), QStringLiteral("Qorvil")).setValue(QStringLiteral("Settings/") + key, value);
}

} // namespace test
