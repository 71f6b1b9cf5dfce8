#include "fuse/option_tables.h"

#include "state/frm_main.h"
#include "state/translation.h"
#include "state/windows.h"

#include <QComboBox>
#include <QCoreApplication>

#include <vector>

namespace fuse {
namespace {

// Entry index = the value of the word field, so the order of every list is fixed.
using Entries = std::vector<const char *>;

const Entries ram_device = {QT_TRANSLATE_NOOP("fuse", "1bank  16byte"), QT_TRANSLATE_NOOP("fuse", "2bank  32byte"),
    QT_TRANSLATE_NOOP("fuse", "4bank  64byte"), QT_TRANSLATE_NOOP("fuse", "8bank 128byte")};
const Entries mem_device = {QT_TRANSLATE_NOOP("fuse", "1Page  512word"),
    QT_TRANSLATE_NOOP("fuse", "2Page 1024word"), QT_TRANSLATE_NOOP("fuse", "4Page 2048word"),
    QT_TRANSLATE_NOOP("fuse", "8Page 4096word")};
const Entries ram = {QT_TRANSLATE_NOOP("fuse", "1bank  16byte"), QT_TRANSLATE_NOOP("fuse", "2bank  32byte"),
    QT_TRANSLATE_NOOP("fuse", "4bank  64byte"), QT_TRANSLATE_NOOP("fuse", "8bank 128byte")};
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

struct Option_list {
    QComboBox *state::Fuse_controls::*combo;
    const Entries *entries;
    int default_index;  // the field's all-ones value, as in an erased word
};

// In the order the lists are filled.
const Option_list option_lists[] = {
    {&state::Fuse_controls::Combo_RAM_DEVICE, &ram_device, 3},
    {&state::Fuse_controls::Combo_RAM_DEVICEa, &ram_device, 3},
    {&state::Fuse_controls::Combo_MEM_DEVICE, &mem_device, 3},
    {&state::Fuse_controls::Combo_MEM_DEVICEa, &mem_device, 3},
    {&state::Fuse_controls::Combo_RAM, &ram, 3},
    {&state::Fuse_controls::Combo_MEM, &mem, 3},
    {&state::Fuse_controls::Combo_BPXa, &bpx_a, 3},
    {&state::Fuse_controls::Combo_BOR, &bor, 3},
    {&state::Fuse_controls::Combo_BORa, &bor_a, 3},
    {&state::Fuse_controls::Combo_DIV, &div, 7},
    {&state::Fuse_controls::Combo_DIVa, &div_a, 3},
    {&state::Fuse_controls::Combo_FOSC, &fosc, 3},
    {&state::Fuse_controls::Combo_FOSCa, &fosc_a, 7},
    {&state::Fuse_controls::Combo_BORTRa, &bortr_a, 3},
};

} // namespace

void Combo_init()
{
    state::Fuse_controls &c = state::frmMain();
    for (const Option_list &list : option_lists) {
        QComboBox *box = c.*list.combo;
        box->clear();
        for (size_t i = 0; i < list.entries->size(); ++i)
            box->addItem(QString());
        state::show_items(box, "fuse", *list.entries);
        box->setCurrentIndex(list.default_index);
    }
}

} // namespace fuse
