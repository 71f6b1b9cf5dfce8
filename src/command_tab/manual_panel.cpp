#include "command_tab/manual_panel.h"

#include "command_tab/command_tab_controls.h"
#include "command_tab/tr.h"
#include "desktop/busy.h"
#include "desktop/captions.h"
#include "desktop/translation.h"
#include "link/commands.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace manual {
namespace {

void after_entry(session::Session &s, Command_tab_controls &)
{
    s.Isp_mode = QStringLiteral("ON");
    s.set_address(4095);
}

void after_exit(session::Session &s, Command_tab_controls &)
{
    s.Isp_mode = QStringLiteral("OFF");
    s.set_address(-1);
}

void erase_message(session::Session &, Command_tab_controls &c)
{
    desktop::set_caption(c.L_pgm_msg, Tr::tr("デバイスのEEPROMを消去しました。!!\r"
                                             "処理を続ける場合は、一度ISPモードから抜けて、再度ISPﾓｰﾄﾞに入ってください。"));
}

void fusex_message(session::Session &, Command_tab_controls &c)
{
    desktop::set_caption(c.L_pgm_msg, Tr::tr("ﾃﾞﾊﾞｲｽのEEPROMを消去しました。!!\r"
                                             "処理を続ける場合は、一度ISPﾓｰﾄﾞから抜けて、再度ISPﾓｰﾄﾞに入ってください。"));
}

struct Button {
    const char *name;
    const char *caption;
    const char *tool_tip;
    bool needs_isp;        // only in ISP mode; otherwise a hint
    comm::Routine routine;
    void (*after)(session::Session &, Command_tab_controls &);  // runs whether or not the command succeeded
};

const Button buttons[] = {
    {"Enrty_isp_mode", QT_TRANSLATE_NOOP("manual", "Entry ISP mode"), QT_TRANSLATE_NOOP("manual", "ｺﾏﾝﾄﾞﾃﾞｰﾀ：”９”"),
     false, comm::cor_entry_ISP, after_entry},
    {"exit_isp_mode", QT_TRANSLATE_NOOP("manual", "Exit ISP mode"), QT_TRANSLATE_NOOP("manual", "ｺﾏﾝﾄﾞﾃﾞｰﾀ：”：”"),
     false, comm::cor_exit_ISP, after_exit},
    {"erase", QT_TRANSLATE_NOOP("manual", "Erase"), QT_TRANSLATE_NOOP("manual", "ｺﾏﾝﾄﾞﾃﾞｰﾀ：”０”"),
     true, comm::cor_rease, erase_message},
    {"read_DEVICE_word", QT_TRANSLATE_NOOP("manual", "Read DEVICE"), QT_TRANSLATE_NOOP("manual", "ｺﾏﾝﾄﾞﾃﾞｰﾀ：”１”"),
     true, comm::cor_read_DEVICE_word, nullptr},
    {"read_fusex_word", QT_TRANSLATE_NOOP("manual", "Read FUSEX"), QT_TRANSLATE_NOOP("manual", "ｺﾏﾝﾄﾞﾃﾞｰﾀ：”２”"),
     true, comm::cor_read_FUSEX, nullptr},
    {"program_fusex_word", QT_TRANSLATE_NOOP("manual", "Program FUSEX"), QT_TRANSLATE_NOOP("manual", "ｺﾏﾝﾄﾞﾃﾞｰﾀ：”３”"),
     true, comm::cor_program_FUSEX_word, fusex_message},
    {"load_data_word", QT_TRANSLATE_NOOP("manual", "Load DATA"), QT_TRANSLATE_NOOP("manual", "ｺﾏﾝﾄﾞﾃﾞｰﾀ：”４”"),
     true, comm::cor_load_data_word, nullptr},
    {"program_data", QT_TRANSLATE_NOOP("manual", "Program DATA"), QT_TRANSLATE_NOOP("manual", "ｺﾏﾝﾄﾞﾃﾞｰﾀ：”５”"),
     true, comm::cor_program_data, nullptr},
    {"read_data", QT_TRANSLATE_NOOP("manual", "Read DATA"), QT_TRANSLATE_NOOP("manual", "ｺﾏﾝﾄﾞﾃﾞｰﾀ：”６”"),
     true, comm::cor_read_data, nullptr},
    {"increment_address", QT_TRANSLATE_NOOP("manual", "INC Adrress"), QT_TRANSLATE_NOOP("manual", "ｺﾏﾝﾄﾞﾃﾞｰﾀ：”７”"),
     true, comm::cor_increment_address, nullptr},
    {"mode_18pin", QT_TRANSLATE_NOOP("manual", "18pin mode"), QT_TRANSLATE_NOOP("manual", "ｺﾏﾝﾄﾞﾃﾞｰﾀ：”；”"),
     false, comm::cor_mode_18pin, nullptr},
    {"mode_28pin", QT_TRANSLATE_NOOP("manual", "28pin mode"), QT_TRANSLATE_NOOP("manual", "ｺﾏﾝﾄﾞﾃﾞｰﾀ：”＜”"),
     false, comm::cor_mode_28pin, nullptr},
    {"version", QT_TRANSLATE_NOOP("manual", "Version"), QT_TRANSLATE_NOOP("manual", "ｺﾏﾝﾄﾞﾃﾞｰﾀ：”＝”"),
     false, comm::cor_version, nullptr},
    {"pgm_wait", QT_TRANSLATE_NOOP("manual", "PGM_wait"), "",
     false, comm::cor_reaset_wait, nullptr},
};

void clicked(const Button &b, session::Session &s, Command_tab_controls &c)
{
    if (s.Operation_running)
        return;  // a device operation owns the link
    if (b.needs_isp) {
        desktop::set_caption(c.L_pgm_msg, QString());
        if (s.Isp_mode == QLatin1String("OFF")) {
            desktop::set_caption(c.L_pgm_msg, Tr::tr("Entry ISPを実行して下さい。"));
            return;
        }
    }
    {
        const desktop::Window_busy exchange(s);
        b.routine(s);
    }
    if (b.after)
        b.after(s, c);
}

} // namespace

void build_command_buttons(Command_tab_controls &c, QWidget *tab, QBoxLayout *column, session::Session &s)
{
    for (const Button &b : buttons) {
        auto *button = new QPushButton(tab);
        button->setObjectName(QLatin1String(b.name));
        desktop::show_text(button, "manual", b.caption);
        if (*b.tool_tip)
            desktop::show_tip(button, "manual", b.tool_tip);
        column->addWidget(button);
        QObject::connect(button, &QPushButton::clicked, button, [&b, &s, &c] { clicked(b, s, c); });
        c.command_buttons[QLatin1String(b.name)] = button;
    }
}

} // namespace manual
