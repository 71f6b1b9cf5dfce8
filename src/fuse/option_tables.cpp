#include "fuse/option_tables.h"

#include <QCoreApplication>

namespace fuse {
namespace {

using Entries = std::vector<const char *>;

const Entries ram_device = {QT_TRANSLATE_NOOP("fuse", "1bank  16byte"), QT_TRANSLATE_NOOP("fuse", "2bank  32byte"),
    QT_TRANSLATE_NOOP("fuse", "4bank  64byte"), QT_TRANSLATE_NOOP("fuse", "8bank 128byte")};
const Entries mem_device = {QT_TRANSLATE_NOOP("fuse", "1Page  512word"),
    QT_TRANSLATE_NOOP("fuse", "2Page 1024word"), QT_TRANSLATE_NOOP("fuse", "4Page 2048word"),
    QT_TRANSLATE_NOOP("fuse", "8Page 4096word")};
const Entries mem = {QT_TRANSLATE_NOOP("fuse", "1page"), QT_TRANSLATE_NOOP("fuse", "2page"),
    QT_TRANSLATE_NOOP("fuse", "4page"), QT_TRANSLATE_NOOP("fuse", "4page(default)")};
const Entries bpx_a = {QT_TRANSLATE_NOOP("fuse", "1page,1bank"), QT_TRANSLATE_NOOP("fuse", "1page,2bank"),
    QT_TRANSLATE_NOOP("fuse", "4page,4bank"), QT_TRANSLATE_NOOP("fuse", "4page,8bank(default)")};
const Entries bor = {QT_TRANSLATE_NOOP("fuse", "Brown-Out enable"), QT_TRANSLATE_NOOP("fuse", "Reserved"),
    QT_TRANSLATE_NOOP("fuse", "Reserved"), QT_TRANSLATE_NOOP("fuse", "Brown-Out disable")};
const Entries bor_a = {QT_TRANSLATE_NOOP("fuse", "4.2V"), QT_TRANSLATE_NOOP("fuse", "2.6V"),
    QT_TRANSLATE_NOOP("fuse", "2.2V"), QT_TRANSLATE_NOOP("fuse", "Brown-Out disable")};
const Entries div = {QT_TRANSLATE_NOOP("fuse", "4MHz"), QT_TRANSLATE_NOOP("fuse", "2MHz"),
    QT_TRANSLATE_NOOP("fuse", "1Mhz"), QT_TRANSLATE_NOOP("fuse", "500KHz"), QT_TRANSLATE_NOOP("fuse", "250KHz"),
    QT_TRANSLATE_NOOP("fuse", "125KHz"), QT_TRANSLATE_NOOP("fuse", "62.5KHz"),
    QT_TRANSLATE_NOOP("fuse", "31.25KHz")};
const Entries div_a = {QT_TRANSLATE_NOOP("fuse", "4MHz"), QT_TRANSLATE_NOOP("fuse", "1MHz"),
    QT_TRANSLATE_NOOP("fuse", "128KHz"), QT_TRANSLATE_NOOP("fuse", "32KHz")};
const Entries fosc = {QT_TRANSLATE_NOOP("fuse", "LP"), QT_TRANSLATE_NOOP("fuse", "XT"),
    QT_TRANSLATE_NOOP("fuse", "HS"), QT_TRANSLATE_NOOP("fuse", "External RC")};
const Entries fosc_a = {QT_TRANSLATE_NOOP("fuse", "LP1(32KHz)"), QT_TRANSLATE_NOOP("fuse", "LP2(32KHz-1MHz)"),
    QT_TRANSLATE_NOOP("fuse", "XT1(32KHz-10MHz)"), QT_TRANSLATE_NOOP("fuse", "XT2(1MHz-24MHz)"),
    QT_TRANSLATE_NOOP("fuse", "HS1(1MHz～50MHz)"), QT_TRANSLATE_NOOP("fuse", "HS2(1MHz～50MHz)"),
    QT_TRANSLATE_NOOP("fuse", "HS3(1MHz～75MHz)"), QT_TRANSLATE_NOOP("fuse", "External RC")};
const Entries bortr_a = {"00", "01", "10", "11"};  // bits, not words

int *number_of(session::Session &s, const char *name)
{
    for (const Panel_value &v : panel_values(s))
        if (qstrcmp(v.name, name) == 0)
            return v.number;
    return nullptr;
}

} // namespace

const std::vector<Option_list> &option_lists()
{
    // In the order the lists are filled; the default is the field's value in an erased word.
    static const std::vector<Option_list> lists = {
        {"Combo_RAM_DEVICE", &ram_device, 3}, {"Combo_RAM_DEVICEa", &ram_device, 3},
        {"Combo_MEM_DEVICE", &mem_device, 3}, {"Combo_MEM_DEVICEa", &mem_device, 3},
        {"Combo_RAM", &ram_device, 3},        {"Combo_MEM", &mem, 3},
        {"Combo_BPXa", &bpx_a, 3},            {"Combo_BOR", &bor, 3},
        {"Combo_BORa", &bor_a, 3},            {"Combo_DIV", &div, 7},
        {"Combo_DIVa", &div_a, 3},            {"Combo_FOSC", &fosc, 3},
        {"Combo_FOSCa", &fosc_a, 7},          {"Combo_BORTRa", &bortr_a, 3},
    };
    return lists;
}

void Combo_init(session::Session &s)
{
    for (const Option_list &list : option_lists())
        *number_of(s, list.name) = list.default_index;
    s.show(session::lists | session::panel);
}

std::vector<Panel_value> panel_values(session::Session &s)
{
    Fuse_panel &f = s.fuse_panel;
    Fusex_panel &x = s.fusex_panel;
    Device_panel &d = s.device_panel;
    return {
        {"Combo_FOSC", &f.Combo_FOSC, nullptr},   {"Combo_DIV", &f.Combo_DIV, nullptr},
        {"Check_TURBO", &f.Check_TURBO, nullptr}, {"Check_SYNC", &f.Check_SYNC, nullptr},
        {"Check_OPTIONX", &f.Check_OPTIONX, nullptr}, {"Check_STACKX", &f.Check_STACKX, nullptr},
        {"Check_IRC", &f.Check_IRC, nullptr},     {"Check_CP", &f.Check_CP, nullptr},
        {"Check_WDTE", &f.Check_WDTE, nullptr},   {"Combo_FOSCa", &f.Combo_FOSCa, nullptr},
        {"Combo_DIVa", &f.Combo_DIVa, nullptr},   {"Check_TURBOa", &f.Check_TURBOa, nullptr},
        {"Check_SYNCa", &f.Check_SYNCa, nullptr}, {"Check_IRCa", &f.Check_IRCa, nullptr},
        {"Check_IFBDa", &f.Check_IFBDa, nullptr}, {"Check_CPa", &f.Check_CPa, nullptr},
        {"Check_WDTEa", &f.Check_WDTEa, nullptr}, {"Combo_MEM", &x.Combo_MEM, nullptr},
        {"Combo_RAM", &x.Combo_RAM, nullptr},     {"Combo_BOR", &x.Combo_BOR, nullptr},
        {"Check_CF", &x.Check_CF, nullptr},       {"Text_IRCTRIM", nullptr, &x.Text_IRCTRIM},
        {"Combo_BPXa", &x.Combo_BPXa, nullptr},   {"Combo_BORTRa", &x.Combo_BORTRa, nullptr},
        {"Combo_BORa", &x.Combo_BORa, nullptr},   {"Check_CFa", &x.Check_CFa, nullptr},
        {"Check_OPT_STa", &x.Check_OPT_STa, nullptr}, {"Text_IRCTRIMa", nullptr, &x.Text_IRCTRIMa},
        {"Combo_RAM_DEVICE", &d.Combo_RAM_DEVICE, nullptr}, {"Combo_RAM_DEVICEa", &d.Combo_RAM_DEVICEa, nullptr},
        {"Combo_MEM_DEVICE", &d.Combo_MEM_DEVICE, nullptr}, {"Combo_MEM_DEVICEa", &d.Combo_MEM_DEVICEa, nullptr},
    };
}

} // namespace fuse
