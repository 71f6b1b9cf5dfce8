#include "manual/manual_panel.h"

#include "link/commands.h"
#include "state/command_tab_controls.h"
#include "state/busy.h"
#include "manual/tr.h"
#include "state/captions.h"
#include "state/translation.h"
#include "state/frm_main.h"
#include "state/globals.h"
#include "state/windows.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace manual {
namespace {

auto &W() { return state::frmMain(); }

void after_entry()
{
    state::Isp_mode = QStringLiteral("ON");
    state::Address_pc = 4095;
    W().address_pc->setText(QStringLiteral("0xFFF"));
}

void after_exit()
{
    state::Isp_mode = QStringLiteral("OFF");
    state::Address_pc = -1;
    W().address_pc->setText(comm::address_caption());
}

void erase_message()
{
    state::set_caption(W().L_pgm_msg, Tr::tr("デバイスのEEPROMを消去しました。!!\r"
                                                     "処理を続ける場合は、一度ISPモードから抜けて、再度ISPﾓｰﾄﾞに入ってください。"));
}

void fusex_message()
{
    state::set_caption(W().L_pgm_msg, Tr::tr("ﾃﾞﾊﾞｲｽのEEPROMを消去しました。!!\r"
                                                     "処理を続ける場合は、一度ISPﾓｰﾄﾞから抜けて、再度ISPﾓｰﾄﾞに入ってください。"));
}

struct Button {
    const char *name;
    const char *caption;
    const char *tool_tip;
    bool needs_isp;        // only in ISP mode; otherwise a hint
    void (*routine)();
    void (*after)();       // runs whether or not the command succeeded
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

void clicked(const Button &b)
{
    if (state::busy())
        return;  // a device operation owns the link
    if (b.needs_isp) {
        state::set_caption(W().L_pgm_msg, QString());
        if (state::Isp_mode == QLatin1String("OFF")) {
            state::set_caption(W().L_pgm_msg, Tr::tr("Entry ISPを実行して下さい。"));
            return;
        }
    }
    {
        state::Busy_scope exchange;
        b.routine();
    }
    if (b.after)
        b.after();
}

} // namespace

void build_command_buttons(state::Command_tab_controls &c, QWidget *tab, QBoxLayout *column)
{
    for (const Button &b : buttons) {
        auto *button = new QPushButton(tab);
        button->setObjectName(QLatin1String(b.name));
        state::show_text(button, "manual", b.caption);
        if (*b.tool_tip)
            state::show_tip(button, "manual", b.tool_tip);
        column->addWidget(button);
        QObject::connect(button, &QPushButton::clicked, button, [&b] { clicked(b); });
        c.command_buttons[QLatin1String(b.name)] = button;
    }
}

} // namespace manual
