#include "window_kit.h"

#include "connection_dialog/frm_com.h"
#include "image/device_image.h"
#include "fuse/option_tables.h"
#include "shell/frm_main.h"
#include "shell/language.h"
#include "shell/main_actions.h"
#include "shell/startup.h"
#include "sim/state_file.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace test {

Message_script::Message_script()
{
    desktop::set_message_responder([this](const desktop::Message &m) {
        shown.push_back(m);
        return shown.size() <= answers.size() ? answers[shown.size() - 1] : fallback;
    });
}

Message_script::~Message_script() { desktop::set_message_responder({}); }

QStringList Message_script::titles() const
{
    QStringList out;
    for (const desktop::Message &m : shown)
        out << m.title;
    return out;
}

File_script::File_script()
{
    desktop::set_file_responder([this](const desktop::File_request &r) {
        asked.push_back(r);
        return asked.size() <= size_t(answers.size()) ? answers[int(asked.size()) - 1] : QString();
    });
}

File_script::~File_script() { desktop::set_file_responder({}); }

Tap::Tap() : inner_(S().listener()) { S().set_listener(this); }
Tap::~Tap() { S().set_listener(&inner_); }

void Tap::status_changed(session::Panel panel, const QString &text)
{
    if (on_status)
        on_status(panel, text);
    inner_.status_changed(panel, text);
}

void Tap::progress(long total, long current)
{
    if (on_progress)
        on_progress(total, current);
    inner_.progress(total, current);
}

void fresh_program()
{
    shell::apply_language(QStringLiteral("ja"));
    shell::unload_all_windows();
    shell::reset_exit_state();
    clear_settings();
    static std::unique_ptr<QTemporaryDir> work;
    work = std::make_unique<QTemporaryDir>();
    qputenv("QORVIL_WORK_DIR", work->path().toUtf8());
    S().App_path = work->path() + QDir::separator();
}

shell::FrmMain &program_at_rest()
{
    fresh_program();
    shell::FrmMain &w = shell::frmMain();
    fuse::Combo_init(S());
    image::Clear_and_dump(S());
    return w;
}

void when_dialog_shown(std::function<void(comm::FrmCom &)> action)
{
    QTimer::singleShot(1, [action] {
        comm::FrmCom &dialog = shell::frmCom();
        if (!dialog.isVisible())
            return when_dialog_shown(action);
        action(dialog);
        if (dialog.isVisible())
            dialog.Command_cancel->click();
    });
}

void start_program(std::function<void(comm::FrmCom &)> during)
{
    when_dialog_shown(std::move(during));
    shell::run_startup(false);
}

Board_session::Board_session(const QStringList &sim_options, const sim::Chip *chip, int pins, int rev)
{
    fresh_program();
    state_path_ = dir_.path() + QStringLiteral("/chip.state");
    if (chip)
        write_file(state_path_, QByteArray::fromStdString(sim::format_state(*chip)));
    board = std::make_unique<Sim_process>(QStringList(sim_options) << QStringLiteral("--state") << state_path_
                                                                   << QStringLiteral("--rev")
                                                                   << (rev == 0 ? "old" : "A"));
    if (!board->started())
        return;
    map_com_port(1, board->device);
    store(QStringLiteral("Pin_mode"), QString::number(pins));
    store(QStringLiteral("Rev_mode"), QString::number(rev));
    start_program([](comm::FrmCom &d) {
        d.Combo_com->setCurrentIndex(1);
        d.Command_ok->click();
    });
    connected = S().port().is_open();
}

Board_session::~Board_session() { fresh_program(); }

sim::Chip Board_session::chip_now() { return chip_of(*board, state_path_); }

} // namespace test
